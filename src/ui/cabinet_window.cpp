#include "ui/cabinet_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QWindowStateChangeEvent>
#include <algorithm>
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
    BuildMenus();
    startupTimer_ = env_.clock.NewTimer(durations::kStartupMs, false, [this] { FinishStartup(); });
    winDisplayTimer_ =
        env_.clock.NewTimer(durations::kWinDisplayTickMs, false, [this] { ShowWinFrame(); });
    musicTimer_ = env_.clock.NewTimer(durations::kMusicPollMs, false,
                                      [this] { audio_->StartPendingTrack(); });
    bonusLaunchTimer_ =
        env_.clock.NewTimer(durations::kBonusLaunchMs, false, [this] { OpenBonusGame(); });
    env_.music.SetEndHandler([this] { audio_->TrackEnded(); });
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
    settings_.programDirectory = env_.programFile.parent_path();
    settings_.executableStem = ExecutableStem(env_.programFile);
    Step([&] {
        store_ = std::make_unique<GameFileStore>(GameFilePath(settings_.executableStem));
        settings_.gameFile = store_->path();
        session_.UseStore(store_.get());
        // Left by a copy killed while it saved; only this copy runs now.
        store_->SweepStaleTemporaries();
        // A file the game cannot read is kept as it is: every store to it is refused, and the
        // player may quit without saving over it.
        if (auto problem = store_->Problem())
            env_.messages.Error(*problem);
    });
    busy_ = true;

    Step([&] {
        if (FindFileNoCase(settings_.programDirectory, "Testing.ini"))
            ReadSettings();
    });
    setWindowTitle(QString::fromStdString(settings_.productName));
    manualAction_->setText(QString::fromStdString(
        settings_.productName.empty() ? "&Manual" : "&" + settings_.productName + " Manual"));
    settings_.helpFile = settings_.programDirectory / (settings_.executableStem + ".html");
    help_ = env_.makeHelp(settings_.helpFile);

    // A first guess at the client area; the real one is laid out for once the window is shown.
    const ScreenInfo screen = env_.screen.Info();
    const bool maximize = screen.logicalDpi < 100;
    const QSize window =
        maximize ? screen.available.size() : screen.geometry.size() - QSize(10, 10);
    const int layoutWidth = std::max(kMinimumLayoutWidth,
                                     LayoutWidth(window.width(), ClientHeightFor(window.height())));

    auto report = [this](const std::string& error) { env_.messages.Error(error); };
    pictures_ = std::make_unique<CabinetPictures>(settings_.programDirectory, settings_.assetPrefix,
                                                  report);
    pictures_->LoadBuiltin();
    setWindowIcon(QIcon(QPixmap::fromImage(pictures_->logo)));
    Step([&] { pictures_->LoadReplacements(); });
    pictures_->Prepare(layoutWidth);
    painter_ = std::make_unique<CabinetPainter>(surface_, *pictures_, session_, env_.messages);
    painter_->canvas().SetChangeListener([this](const QRect& area) {
        if (view_ != nullptr)
            view_->ShowArea(area);
    });

    audio_ = std::make_unique<CabinetAudio>(
        env_.sound, env_.music, env_.messages,
        [this](const std::string& name) { return AssetPath(name); }, settings_.assetPrefix);
    Step([&] { audio_->PreloadSounds(); });
    audio_->BuildPlaylist();
    session_.Open(kCurrentGameSlot);
    PlaceWindow(screen, maximize);

    ResizeSurface();
    created_ = true;
    Redraw();
    view_->setFocus();
    // Only now: an error box shown above runs the event loop, which must not start the music.
    startupTimer_->SetEnabled(true);
    musicTimer_->SetEnabled(true);
}

void CabinetWindow::PlaceWindow(const ScreenInfo& screen, bool maximize) {
    setMinimumSize(kMinimumLayoutWidth, ScaleToScreen(kDesignHeight, kMinimumLayoutWidth) +
                                            menuBar()->sizeHint().height());
    // The window's own size, a little smaller than the screen and centred on its free area.
    const QRect area = screen.available;
    normalGeometry_ = QRect(0, 0, std::min(screen.geometry.width() - 10, area.width()),
                            std::min(screen.geometry.height() - 10, area.height()));
    normalGeometry_.moveCenter(area.center());
    setGeometry(normalGeometry_);
    if (maximize) {
        // Without a window manager a maximised window keeps its size: take the screen ourselves.
        setGeometry(area);
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void CabinetWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !created_)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMaximized = change->oldState() & Qt::WindowMaximized;
    if (!wasMaximized || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // Restored from maximised: the window's own size, centred, with its frame on the screen.
    const QRect area = env_.screen.Info().available;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = normalGeometry_.size().boundedTo(area.size() - frame);
    QRect outer(QPoint(0, 0), client + frame);
    outer.moveCenter(area.center());
    // The frame's side borders are alike; what is left of its height is the title bar's.
    const QPoint offset(frame.width() / 2, frame.height() - frame.width() / 2);
    setGeometry(QRect(outer.topLeft() + offset, client));
}

void CabinetWindow::FinishStartup() {
    startupTimer().SetEnabled(false);
    if (audio_->musicOn())
        audio_->StartPlaylist();
    audio_->Play(Sound::Start);
    busy_ = false;
}

void CabinetWindow::NewGame() {
    session_.NewGame();
    recentCredits_.clear();
    // A spin or bonus pay-out under way keeps the controls until its own end.
    if (cycleDepth_ == 0)
        busy_ = false;
    Redraw();
}

void CabinetWindow::Redraw() {
    painter_->Redraw();
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
    const auto file = FindFileNoCase(settings_.programDirectory, "Testing.ini");
    if (!file)
        return;
    const std::string text = profile::LoadText(*file);
    auto read = [&](std::string_view key, const std::string& fallback) {
        return profile::FindValue(text, "Settings", key, kProfileTextLength).value_or(fallback);
    };
    settings_.assetPrefix = read("SoundRoot", settings_.assetPrefix);
    settings_.productName =
        FirstCharacters(read("AboutName", settings_.productName), kGameNameLength);
    settings_.webPageName = read("WebPageName", settings_.webPageName);
}

int CabinetWindow::ClientHeightFor(int windowHeight) const {
    return windowHeight - menuBar()->sizeHint().height();
}

std::filesystem::path CabinetWindow::AssetPath(const std::string& name) const {
    if (auto found = FindFileNoCase(settings_.programDirectory, name))
        return *found;
    return settings_.programDirectory / name;
}

void CabinetWindow::ResizeSurface() {
    const QSize size(cabinetGeometry().Scale(kDesignWidth), cabinetGeometry().Scale(kDesignHeight));
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
    // Also in the middle of a spin or a count-up: their next frame is drawn at the new size.
    const QSize client = view_->deviceSize();
    const int width = std::max(kMinimumLayoutWidth, LayoutWidth(client.width(), client.height()));
    if (width == cabinetGeometry().layoutWidth)
        return;
    pictures_->Prepare(width);
    ++layoutGeneration_;
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
    if (!StoreGame(kCurrentGameSlot, "CurrentGame") &&
        !env_.messages.Confirm(store_ ? "The game was not stored. Quit without saving it?"
                                      : "There is no game file to keep this game in. Quit "
                                        "without saving it?")) {
        event->ignore();
        return;
    }
    StopTimers();
    env_.music.Close();
    event->accept();
}

}  // namespace quillane
