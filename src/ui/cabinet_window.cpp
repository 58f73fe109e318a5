#include "ui/cabinet_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <exception>

#include "core/layout.h"
#include "core/scale.h"
#include "platform/asset_files.h"
#include "storage/game_file_store.h"
#include "storage/paths.h"
#include "storage/profile.h"
#include "ui/cabinet_view.h"
#include "ui/durations.h"

namespace quillane {

CabinetWindow::CabinetWindow(Environment environment)
    : env_(std::move(environment)), session_(env_.session) {
    view_ = new CabinetView(surface_, {[this](int x, int y) { Click(x, y); },
                                       [this](int key) { PressKey(key); }, [this] { Relayout(); }});
    setCentralWidget(view_);
    canvas_.SetChangeListener([this](const QRect& area) {
        if (view_ != nullptr)
            view_->update(area.translated(view_->origin()));
    });
    BuildMenus();
    startupTimer_ = env_.clock.NewTimer(durations::kStartupMs, true, [this] { FinishStartup(); });
    winDisplayTimer_ =
        env_.clock.NewTimer(durations::kWinDisplayTickMs, false, [this] { ShowWinFrame(); });
    musicTimer_ =
        env_.clock.NewTimer(durations::kMusicPollMs, true, [this] { StartPendingTrack(); });
    bonusLaunchTimer_ =
        env_.clock.NewTimer(durations::kBonusLaunchMs, false, [this] { OpenBonusGame(); });
    env_.music.SetEndHandler([this] { TrackEnded(); });
    Create();
}

CabinetWindow::~CabinetWindow() {
    StopTimers();
    env_.music.SetEndHandler({});
}

void CabinetWindow::StopTimers() {
    for (Timer* t :
         {startupTimer_.get(), winDisplayTimer_.get(), musicTimer_.get(), bonusLaunchTimer_.get()})
        t->SetEnabled(false);
}

void CabinetWindow::Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        env_.messages.Error(error.what());
    }
}

void CabinetWindow::Create() {
    session_.Seed(env_.timeOfDaySeed());
    programDirectory_ = env_.programFile.parent_path();
    exeStem_ = ExecutableStem(env_.programFile);
    Step([&] {
        store_ = std::make_unique<GameFileStore>(GameFilePath(exeStem_));
        session_.UseStore(store_.get());
    });
    busy_ = true;

    productName_ = "Quillane";
    webPageName_ = "quillane";
    versionText_ = "1.1";
    assetPrefix_ = "Bingo";
    Step([&] {
        if (FindFileNoCase(programDirectory_, "Testing.ini"))
            ReadSettings();
    });
    setWindowTitle(QString::fromStdString(productName_));
    manualAction_->setText(QString::fromStdString("&" + productName_ + " Manual"));
    helpFile_ = programDirectory_ / (exeStem_ + ".html");
    help_ = env_.makeHelp(helpFile_);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen != nullptr ? screen->geometry() : QRect(0, 0, 800, 600);
    screenWidth_ = geometry.width();
    screenHeight_ = geometry.height();
    const bool maximize = screen != nullptr && screen->logicalDotsPerInch() < 100;
    const int windowHeight =
        maximize && screen != nullptr ? screen->availableGeometry().height() : screenHeight_ - 10;
    layoutWidth_ = LayoutWidth(screenWidth_, ClientHeightFor(windowHeight));

    LoadBuiltinPictures();
    setWindowIcon(QIcon(QPixmap::fromImage(logo_)));
    Step([&] { LoadReplacementPictures(); });
    BuildPictureBitmaps();

    PreparePictures();
    Step([&] { PreloadSounds(); });

    resize(screenWidth_ - 10, screenHeight_ - 10);
    move(0, 0);
    BuildPlaylist();
    session_.Open(kCurrentGameSlot);
    move((screenWidth_ - width()) / 2, (screenHeight_ - height()) / 2);
    if (maximize) {
        // Without a window manager a maximised window keeps its size: take the screen ourselves.
        setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    ResizeSurface();
    created_ = true;
    Redraw();
    view_->setFocus();
}

void CabinetWindow::FinishStartup() {
    startupTimer().SetEnabled(false);
    if (musicOn_) {
        trackIndex_ = kNoTrack;
        SelectNextTrack();
        trackIndex_ += kPendingTrack;
    }
    PlayStartSound();
    busy_ = false;
}

void CabinetWindow::NewGame() {
    session_.NewGame();
    busy_ = false;
    Redraw();
}

bool CabinetWindow::StoreGame(int slot, const std::string& name) {
    // Without a game file there is nothing to store in, and nothing to report.
    if (!store_)
        return false;
    if (auto refusal = session_.Store(slot, name)) {
        env_.messages.Error(*refusal);
        return false;
    }
    return true;
}

void CabinetWindow::ReadSettings() {
    const auto file = FindFileNoCase(programDirectory_, "Testing.ini");
    if (!file)
        return;
    const std::string text = profile::LoadText(*file);
    auto read = [&](std::string_view key, const std::string& fallback) {
        return profile::FindValue(text, "Settings", key, kProfileTextLength).value_or(fallback);
    };
    assetPrefix_ = read("SoundRoot", assetPrefix_);
    productName_ = FirstCharacters(read("AboutName", productName_), kGameNameLength);
    webPageName_ = read("WebPageName", webPageName_);
}

int CabinetWindow::ScaleToScreen(int v) const {
    return quillane::ScaleToScreen(v, layoutWidth_);
}

int CabinetWindow::ClientHeightFor(int windowHeight) const {
    return windowHeight - menuBar()->sizeHint().height();
}

std::filesystem::path CabinetWindow::AssetPath(const std::string& name) const {
    if (auto found = FindFileNoCase(programDirectory_, name))
        return *found;
    return programDirectory_ / name;
}

void CabinetWindow::ResizeSurface() {
    const QSize size(ScaleToScreen(kDesignWidth), ScaleToScreen(kDesignHeight));
    if (surface_.size() != size) {
        surface_ = QImage(size, QImage::Format_ARGB32);
        surface_.fill(Qt::black);
    }
    if (view_ != nullptr)
        view_->update();
}

void CabinetWindow::Relayout() {
    if (!created_ || view_ == nullptr)
        return;
    const int width = LayoutWidth(screenWidth_, view_->height());
    if (width == layoutWidth_ || width <= 0 || busy_)
        return;
    layoutWidth_ = width;
    PreparePictures();
    ResizeSurface();
    Redraw();
}

void CabinetWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (cycleDepth_ > 0) {
        // The spin under way ends at once and pays what it won; then the window closes.
        closeRequested_ = true;
        event->ignore();
        return;
    }
    if (!StoreGame(kCurrentGameSlot, "CurrentGame")) {
        event->ignore();
        return;
    }
    StopTimers();
    env_.music.Close();
    event->accept();
}

void CabinetWindow::NewGameCommand() {
    NewGame();
}

void CabinetWindow::ExitCommand() {
    closing_ = true;
    close();
}

void CabinetWindow::ShowVersion() {
    env_.messages.Inform(productName_ + "\r\n\r\nVersion:  " + versionText_);
}

void CabinetWindow::ShowManual() {
    if (help_)
        help_->ShowContents();
}

}  // namespace quillane
