#include "ui/Unit1.h"

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
#include "storage/paths.h"
#include "storage/profile.h"
#include "ui/cabinet_view.h"

namespace quillane {

TForm1::TForm1(Environment environment) : env_(std::move(environment)) {
    view_ = new CabinetView(*this);
    setCentralWidget(view_);
    canvas_.SetChangeListener([this](const QRect& area) {
        if (view_ != nullptr)
            view_->update(area.translated(view_->origin()));
    });
    BuildMenus();
    timers_[0] = env_.clock.NewTimer(250, true, [this] { Timer1Timer(); });
    timers_[1] = env_.clock.NewTimer(200, true, [] {});
    timers_[2] = env_.clock.NewTimer(300, false, [this] { Timer3Timer(); });
    timers_[3] = env_.clock.NewTimer(100, true, [this] { StartPendingTrack(); });
    timers_[4] = env_.clock.NewTimer(1000, true, [] {});
    timers_[5] = env_.clock.NewTimer(100, false, [this] { Timer6Timer(); });
    env_.music.SetEndHandler([this] { MediaPlayer1Notify(); });
    FormCreate();
}

TForm1::~TForm1() {
    for (auto& timer : timers_)
        timer->SetEnabled(false);
    env_.music.SetEndHandler({});
}

void TForm1::Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        env_.messages.Error(error.what());
    }
}

void TForm1::FormCreate() {
    random_.Seed(env_.timeOfDaySeed());
    programDirectory_ = env_.programFile.parent_path();
    exeStem_ = ExecutableStem(env_.programFile);
    Step([&] { gameFile_ = std::make_unique<GameFile>(GameFilePath(exeStem_)); });
    state_.busy = true;

    productName_ = "Quillane";
    webPageName_ = "quillane";
    versionText_ = "1.1";
    assetPrefix_ = "Bingo";
    Step([&] {
        if (FindFileNoCase(programDirectory_, "Testing.ini"))
            ReadSettings();
    });
    setWindowTitle(QString::fromStdString(productName_));
    manual1_->setText(QString::fromStdString("&" + productName_ + " Manual"));
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

    state_.spin.lineWon = {};
    state_.account.spins = 0;
    state_.wildFrame = 4;
    state_.wildFrameStep = 1;
    PreparePictures();

    state_.reelSymbols = DecodeStrips();
    state_.reelStops = kStartStops;
    state_.spin.window = FormWindow(state_.reelSymbols, state_.reelStops);
    Step([&] { PreloadSounds(); });

    resize(screenWidth_ - 10, screenHeight_ - 10);
    move(0, 0);
    state_.bet = 0;
    state_.lastBet = 0;
    state_.account.credits = 1000;
    state_.linesBet = 9;
    state_.creditsPerLine = 1;
    state_.linesKey = 5;
    state_.creditsKey = 6;
    state_.musicOn = true;
    state_.soundOn = true;
    BuildPlaylist();
    ReadWriteGame(kCurrentGameSlot, false, "");
    move((screenWidth_ - width()) / 2, (screenHeight_ - height()) / 2);
    if (maximize) {
        // Without a window manager a maximised window keeps its size: take the screen ourselves.
        setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    ResizeSurface();
    created_ = true;
    FormPaint();
    view_->setFocus();
}

void TForm1::Timer1Timer() {
    timer(1).SetEnabled(false);
    if (state_.musicOn) {
        trackIndex_ = kNoTrack;
        SelectNextTrack();
        trackIndex_ += kPendingTrack;
    }
    PlayStartSound();
    state_.busy = false;
}

void TForm1::NewGame() {
    state_.account.totalBets = 0;
    state_.account.credits = 1000;
    state_.account.borrowed = state_.account.credits;
    state_.account.spins = 0;
    state_.account.bonusTotal = 0;
    state_.busy = false;
    FormPaint();
}

bool TForm1::ReadWriteGame(int slot, bool write, const std::string& name) {
    if (!gameFile_)
        return false;
    if (!write) {
        savedGame_ = gameFile_->Read(slot);
        state_.account = savedGame_.account;
        return true;
    }
    try {
        gameFile_->Write(slot, name, state_.account);
        return true;
    } catch (const profile::WriteError& error) {
        env_.messages.Error(error.what());
        return false;
    }
}

void TForm1::ReadSettings() {
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

int TForm1::ScaleToScreen(int v) const {
    return quillane::ScaleToScreen(v, layoutWidth_);
}

int TForm1::ClientHeightFor(int windowHeight) const {
    return windowHeight - menuBar()->sizeHint().height();
}

std::filesystem::path TForm1::AssetPath(const std::string& name) const {
    if (auto found = FindFileNoCase(programDirectory_, name))
        return *found;
    return programDirectory_ / name;
}

void TForm1::ResizeSurface() {
    const QSize size(ScaleToScreen(kDesignWidth), ScaleToScreen(kDesignHeight));
    if (surface_.size() != size) {
        surface_ = QImage(size, QImage::Format_ARGB32);
        surface_.fill(Qt::black);
    }
    if (view_ != nullptr)
        view_->update();
}

void TForm1::Relayout() {
    if (!created_ || view_ == nullptr)
        return;
    const int width = LayoutWidth(screenWidth_, view_->height());
    if (width == layoutWidth_ || width <= 0 || state_.busy)
        return;
    layoutWidth_ = width;
    PreparePictures();
    ResizeSurface();
    FormPaint();
}

void TForm1::closeEvent(QCloseEvent* event) {
    state_.closing = true;
    if (cycleDepth_ > 0) {
        // The spin under way ends at once and pays what it won; then the window closes.
        closeRequested_ = true;
        event->ignore();
        return;
    }
    if (!ReadWriteGame(kCurrentGameSlot, true, "CurrentGame")) {
        event->ignore();
        return;
    }
    for (auto& t : timers_)
        t->SetEnabled(false);
    env_.music.Close();
    event->accept();
}

void TForm1::NewGame1Click() {
    NewGame();
}

void TForm1::Exit1Click() {
    state_.closing = true;
    close();
}

void TForm1::Version1Click() {
    env_.messages.Inform(productName_ + "\r\n\r\nVersion:  " + versionText_);
}

void TForm1::Manual1Click() {
    if (help_)
        help_->ShowContents();
}

}  // namespace quillane
