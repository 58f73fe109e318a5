// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/chart/payoff_chart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "core/scale.h"
#include "platform/asset_files.h"
#include "ui/widgets/return_text.h"
#include "ui/widgets/window_style.h"

// The pattern diagrams are compiled into this static library with the bonus window's pictures.
static void RegisterChartPictures() {
    Q_INIT_RESOURCE(bonus);
}

namespace quillane {

PayoffChart::PayoffChart(int sheetWidth, const QImage& symbolSheet, int cellSize, const QRect& area,
                         std::function<void(int)> showHelpTopic, QWidget* parent)
    : QDialog(parent),
      sheetWidth_(sheetWidth),
      symbolSheet_(symbolSheet),
      cellSize_(cellSize),
      showHelpTopic_(std::move(showHelpTopic)) {
    RegisterChartPictures();
    UseDialogFrame(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    BuildComponents();

    setGeometry(area);
    setWindowState(windowState() | Qt::WindowMaximized);
    built_ = true;
    Redraw();
}

void PayoffChart::BuildComponents() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("CloseButton"));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseChart(); });

    // Which diagram goes with which caption does not depend on the layout's width.
    const PaychartLayout layout = LayOutPaychart(kDesignWidth, cellSize_);
    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        const QString picture = QString::number(layout.diagramPictures[place]);
        diagramPictures_[place] = SharedBuiltinPicture(":/bonus/bingo" + picture + ".png");
        largeDiagramPictures_[place] = SharedBuiltinPicture(":/bonus/bingo" + picture + "_2x.png");
        diagrams_[place] = new PictureView(this, diagramPictures_[place]);
        diagrams_[place]->setObjectName("Diagram" + QString::number(k));

        QLabel* caption = new QLabel(this);
        caption->setObjectName("Caption" + QString::number(k));
        QPalette text = caption->palette();
        text.setColor(QPalette::WindowText, Qt::white);
        caption->setPalette(text);
        caption->setAttribute(Qt::WA_TranslucentBackground);
        captions_[place] = caption;
    }
    SetTexts();
}

void PayoffChart::SetTexts() {
    setWindowTitle(QCoreApplication::translate("PayoffChart", "Payoff Chart"));
    //: The payoff chart's button that closes it.
    closeButton_->setText(QCoreApplication::translate("PayoffChart", "Close"));
    const PaychartLayout layout = LayOutPaychart(kDesignWidth, cellSize_);
    for (std::size_t place = 0; place < captions_.size(); ++place)
        captions_[place]->setText(layout.captions[place]);
}

void PayoffChart::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && built_) {
        SetTexts();
        Redraw();
    }
}

QPoint PayoffChart::origin() const {
    const QSize shown = surface_.deviceIndependentSize().toSize();
    return {std::max(0, (width() - shown.width()) / 2),
            std::max(0, (height() - shown.height()) / 2)};
}

void PayoffChart::ShowReturn(const TheoreticalReturn& figures) {
    figures_ = figures;
    Redraw();
}

void PayoffChart::CloseChart() {
    close();
}

void PayoffChart::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (showHelpTopic_)
            showHelpTopic_(kHelpTopic);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PayoffChart::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (built_)
        Redraw();
}

void PayoffChart::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect chart(origin(), surface_.deviceIndependentSize().toSize());
    for (const QRect& r : QRegion(event->rect()).subtracted(chart))
        p.fillRect(r, Qt::black);
    const QRect shown = event->rect().intersected(chart);
    if (shown.isEmpty())
        return;
    const double ratio = surface_.devicePixelRatio();
    const QRectF source = QRectF(shown.translated(-chart.topLeft()));
    p.drawImage(QRectF(shown), surface_, QRectF(source.topLeft() * ratio, source.size() * ratio));
}

}  // namespace quillane
