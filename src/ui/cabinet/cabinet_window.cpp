// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <exception>
#include <utility>

#include "core/layout.h"
#include "core/scale.h"
#include "platform/asset_files.h"
#include "platform/first_exposure.h"
#include "platform/notice_text.h"
#include "platform/window_background.h"
#include "storage/paths.h"
#include "storage/profile.h"
#include "ui/access/accessibility.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/cabinet/reminder_notice.h"
#include "ui/durations.h"

namespace quillane {
namespace {

// A window that is not maximised leaves this much of the screen free, so its frame shows.
constexpr QSize kScreenMargin(10, 10);
// On a screen of fewer pixels per inch than this the cabinet starts maximised.
constexpr int kMaximizeBelowDpi = 100;

// A refused store as the message strip says it: the reason, without the file's long name.
std::string StoreRefusalText(const std::string& refusal) {
    const std::size_t lineBreak = refusal.rfind('\n');
    const std::string reason =
        lineBreak == std::string::npos ? refusal : refusal.substr(lineBreak + 1);
    //: In the message strip; %1 is why the game file could not be written
    return CabinetWindow::tr("The game was not stored: %1")
        .arg(QString::fromStdString(reason))
        .toStdString();
}

}  // namespace

QString NoSoundDeviceText() {
    return CabinetWindow::tr("No sound device was found: the game plays silently.");
}

CabinetWindow::CabinetWindow(Environment environment)
    : CabinetWindow(std::move(environment), BuildLater{}) {
    Build();
}

CabinetWindow::CabinetWindow(Environment environment, BuildLater)
    : env_(std::move(environment)), session_(env_.session) {
    InstallAccessibility();
    // A click hides the focus ring: the mouse player sees the cabinet as it always was.
    view_ = new CabinetView(surface_, {[this](int x, int y) {
                                           SetKeyFocus(std::nullopt);
                                           Click(x, y);
                                       },
                                       [this](int key) { PressKey(key); }, [this] { Relayout(); },
                                       [this](int x, int y) { return KeyTipAt(x, y); }});
    setCentralWidget(view_);
    startupTimer_ = env_.clock.NewTimer(durations::kStartupMs, false, [this] { FinishStartup(); });
    musicTimer_ =
        env_.clock.NewTimer(durations::kMusicPollMs, false, [this] { StartWaitingTrack(); });
    autoplayTimer_ =
        env_.clock.NewTimer(durations::kAutoplayGapMs, false, [this] { AutoplayNext(); });
    reminderTimer_ =
        env_.clock.NewTimer(durations::kReminderRetryMs, false, [this] { RemindIfDue(); });
    sessionClockTimer_ =
        env_.clock.NewTimer(durations::kReminderRetryMs, false, [this] { ShowSessionClock(); });
    noticeTimer_ = env_.clock.NewTimer(durations::kReminderNoticeMs, false, [this] {
        noticeTimer_->SetEnabled(false);
        if (reminderNotice_ != nullptr)
            reminderNotice_->hide();
    });
    env_.music.SetEndHandler([this] {
        audio_->TrackEnded();
        WaitToStartTrack();
    });
    OnFirstExposure(*this, [this] {
        exposed_ = true;
        WaitToStartTrack();
    });
    CreateFrame();
}

CabinetWindow::~CabinetWindow() {
    StopTimers();
    env_.music.SetEndHandler({});
    env_.ledger.writer().OnRefusal({});
}

void CabinetWindow::StopTimers() {
    for (Timer* t : {startupTimer_.get(), musicTimer_.get(), autoplayTimer_.get(),
                     reminderTimer_.get(), sessionClockTimer_.get(), noticeTimer_.get()})
        t->SetEnabled(false);
    if (cycle_)
        cycle_->Abandon();
}

void CabinetWindow::Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const NoticeError& error) {
        env_.messages.Error(NoticeText(error.notice()).toStdString());
    } catch (const std::exception& error) {
        env_.messages.Error(error.what());
    }
}

void CabinetWindow::CreateFrame() {
    settings_.assetDirectories = AssetDirectories(env_.programFile);
    settings_.dataDirectory = ProgramDataDirectory(env_.programFile);
    settings_.executableStem = ExecutableStem(env_.programFile);
    settings_.gameFile = env_.ledger.gameFile();
    // The menus, with the fonts they need, come with the cabinet: the title is all shown before.
    setWindowTitle(QString::fromStdString(settings_.productName));
    const ScreenInfo screen = env_.screen.Info();
    PlaceWindow(screen, screen.logicalDpi < kMaximizeBelowDpi);
    SetWindowBackground(*this, CabinetView::kMarginColour);
}

void CabinetWindow::Build() {
    BuildMenus();
    LimitWindowSize();
    session_.Seed(env_.timeOfDaySeed());
    for (const Notice& problem : env_.ledger.Load())
        env_.messages.Error(NoticeText(problem).toStdString());
    session_.UseStore(&env_.ledger);
    // The session starts with the game as it was left.
    reminder_.emplace(env_.clock.TickCount(), session_.settled().account);
    // Told on the writer's thread; shown once, in the message strip, on this one.
    env_.ledger.writer().OnRefusal([self = QPointer<CabinetWindow>(this)](const Notice& refusal) {
        QMetaObject::invokeMethod(
            qApp,
            [self, refusal] {
                if (self && self->painter_)
                    self->painter_->WriteMessage(
                        StoreRefusalText(NoticeText(refusal).toStdString()));
            },
            Qt::QueuedConnection);
    });

    Step([&] {
        if (FindAsset(settings_.assetDirectories, "Testing.ini"))
            ReadSettings();
    });
    Retranslate();

    // A first guess at the client area; the real one is laid out for once the window is shown.
    const ScreenInfo screen = env_.screen.Info();
    const bool maximize = screen.logicalDpi < kMaximizeBelowDpi;
    const QSize window =
        maximize ? screen.available.size() : screen.geometry.size() - kScreenMargin;
    const int layoutWidth = std::max(kMinimumLayoutWidth,
                                     LayoutWidth(window.width(), ClientHeightFor(window.height())));

    auto report = [this](const std::string& error) { env_.messages.Error(error); };
    pictures_ = std::make_unique<CabinetPictures>(settings_.assetDirectories, settings_.assetPrefix,
                                                  report);
    pictures_->UseLanguage(InterfaceLanguage());
    pictures_->LoadBuiltin();
    setWindowIcon(QIcon(QPixmap::fromImage(pictures_->logo)));
    Step([&] { pictures_->LoadReplacements(); });
    painter_ = std::make_unique<CabinetPainter>(surface_, *pictures_, session_, env_.messages);
    PreparePictures(layoutWidth);
    painter_->canvas().SetChangeListener([this](const QRect& area) {
        if (view_ != nullptr)
            view_->ShowArea(area);
    });

    audio_ = std::make_unique<CabinetAudio>(
        env_.sound, env_.music, env_.messages,
        [this](const std::string& name) { return AssetPath(name); }, settings_.assetPrefix);
    Step([&] { audio_->PreloadSounds(); });
    audio_->BuildPlaylist();
    LoadOptions();
    cycle_ = std::make_unique<SpinCycle>(SpinCycle::Parts{
        env_.clock, session_, *painter_, *audio_, *pictures_, env_.timeOfDaySeed,
        [this] { return options_.quickPlay; }, [this] { return options_.reduceMotion; }});
    SetBonusOpener([this](const BingoGame& game, std::optional<int> card, bool quick,
                          SpinCycle::BonusEvents events) {
        OpenBonusWindow(game, card, quick, std::move(events));
    });
    cycle_->OnSpinEnded([this] {
        AnnounceSpin(false);
        AfterAutoplaySpin();
    });
    cycle_->OnSettled([this] {
        AnnounceSpin(true);
        if (session_.bonusTriggered())
            AfterAutoplayBonus();
        TellLimits();
        if (autoplay_.running())
            autoplayTimer_->SetEnabled(true);
        RemindIfDue();
    });
    ResizeSurface();
    created_ = true;
    Redraw();
    view_->setFocus();
    // Only now: an error box shown above runs the event loop, which must not start the music.
    startupTimer_->SetEnabled(true);
}

void CabinetWindow::PlaceWindow(const ScreenInfo& screen, bool maximize) {
    // The window's own size, a little smaller than the screen and centred on its free area.
    const QRect area = screen.available;
    normalGeometry_ =
        QRect(QPoint(), (screen.geometry.size() - kScreenMargin).boundedTo(area.size()));
    normalGeometry_.moveCenter(area.center());
    setGeometry(normalGeometry_);
    if (maximize) {
        // Without a window manager a maximised window keeps its size: take the screen ourselves.
        setGeometry(area);
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void CabinetWindow::Retranslate() {
    setWindowTitle(QString::fromStdString(settings_.productName));
    //: The cabinet as a screen reader names it
    view_->setAccessibleName(tr("Cabinet"));
    RetranslateMenus();
    FindManual();
}

std::string CabinetWindow::InterfaceLanguage() const {
    return env_.translations ? env_.translations->language() : std::string(kEnglish);
}

void CabinetWindow::FindManual() {
    const std::string language = InterfaceLanguage();
    const std::filesystem::path manual =
        settings_.dataDirectory /
        LocalisedFileName(
            settings_.executableStem + ".html", language, [this](const std::string& n) {
                std::error_code error;
                return std::filesystem::is_regular_file(settings_.dataDirectory / n, error);
            });
    if (help_ && manual == settings_.helpFile)
        return;
    settings_.helpFile = manual;
    help_ = env_.makeHelp(settings_.helpFile);
}

void CabinetWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        if (created_) {
            // The cabinet's painted words too.
            pictures_->UseLanguage(InterfaceLanguage());
            PreparePictures(cabinetGeometry().layoutWidth);
            Redraw();
            ShowSessionClock();
        }
        return;
    }
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
    startupTimer_->SetEnabled(false);
    if (audio_->musicOn())
        audio_->StartPlaylist();
    WaitToStartTrack();
    audio_->Play(Sound::Start);
    started_ = true;
    // A missing sound device is the more urgent news; the keys wait for a start without it.
    if (env_.audioSilent)
        painter_->WriteMessage(NoSoundDeviceText().toStdString());
    else if (!options_.shortcutHintShown)
        ShowShortcutHint();
    BonusGameWindow::PreparePictures();
    // A bonus game that an earlier run did not finish is played first.
    cycle_->ResumeBonus();
}

void CabinetWindow::WaitToStartTrack() {
    // A synthesizer and its sound font load for the first track only once the window shows.
    if (exposed_ && audio_ && audio_->trackPending() && !musicTimer_->enabled())
        musicTimer_->SetEnabled(true);
}

void CabinetWindow::StartWaitingTrack() {
    musicTimer_->SetEnabled(false);
    audio_->StartPendingTrack();
}

bool CabinetWindow::busy() const {
    return !started_ || !cycle_->idle();
}

void CabinetWindow::NewGame() {
    StopAutoplay(AutoplayStop::Player);
    // The spin under way is stored with the old game; only its showing is cut short.
    cycle_->Abandon();
    ReplaceAccount([this] { session_.NewGame(); });
    Redraw();
}

void CabinetWindow::Redraw() {
    painter_->Redraw();
}

void CabinetWindow::ReadSettings() {
    const auto file = FindAsset(settings_.assetDirectories, "Testing.ini");
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
    return windowHeight - BarsHeight();
}

int CabinetWindow::BarsHeight() const {
    // The status bar is made only once the session clock is asked for.
    const QStatusBar* status = sessionClock_ != nullptr
                                   ? findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly)
                                   : nullptr;
    return menuBar()->sizeHint().height() +
           (status != nullptr && status->isVisibleTo(this) ? status->sizeHint().height() : 0);
}

void CabinetWindow::LimitWindowSize() {
    setMinimumSize(kMinimumLayoutWidth,
                   ScaleToScreen(kDesignHeight, kMinimumLayoutWidth) + BarsHeight());
}

std::filesystem::path CabinetWindow::AssetPath(const std::string& name) const {
    if (auto found = FindAsset(settings_.assetDirectories, name))
        return *found;
    return settings_.dataDirectory / name;
}

void CabinetWindow::PreparePictures(int layoutWidth) {
    // The old background goes before the new one is made, so that the two are never held at once.
    painter_->LayGround(QImage());
    pictures_->Prepare(layoutWidth);
    // The painter keeps the background from now on, without a second whole copy of it.
    painter_->LayGround(std::exchange(pictures_->cabinetBackground, QImage()));
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
    if (width != cabinetGeometry().layoutWidth) {
        // The surface is drawn afresh at the new size; the old one need not be held meanwhile.
        surface_ = QImage();
        PreparePictures(width);
        cycle_->FollowLayout();
        ResizeSurface();
        Redraw();
    }
    // The cabinet moves across a wider or narrower window too.
    PlaceReminderNotice();
}

void CabinetWindow::closeEvent(QCloseEvent* event) {
    if (ending_ == Ending::Done) {
        event->accept();
        return;
    }
    event->ignore();
    EndGame(false);
}

void CabinetWindow::EndSession() {
    EndGame(true);
}

void CabinetWindow::EndGame(bool orderly) {
    orderly_ = orderly_ || orderly;
    if (ending_ == Ending::Asking && orderly) {
        Quit();
        return;
    }
    if (ending_ != Ending::Playing)
        return;
    ending_ = Ending::Storing;
    StopAutoplay(AutoplayStop::Player);
    cycle_->Abandon();
    if (bonusWindow_)
        bonusWindow_->Dismiss();
    // The game is stored once more as it stands, then everything handed over is waited for.
    env_.ledger.Recommit();
    env_.ledger.writer().Drain(
        [self = QPointer<CabinetWindow>(this)](const std::optional<Notice>& refusal) {
            QMetaObject::invokeMethod(
                qApp,
                [self, refusal] {
                    if (self && refusal)
                        self->FinishEnding(NoticeText(*refusal).toStdString());
                    else if (self)
                        self->FinishEnding(std::nullopt);
                },
                Qt::QueuedConnection);
        });
}

void CabinetWindow::FinishEnding(const std::optional<std::string>& refusal) {
    if (ending_ != Ending::Storing)
        return;
    if ((!refusal && env_.ledger.keeps()) || orderly_) {
        Quit();
        return;
    }
    ending_ = Ending::Asking;
    const QString question =
        refusal ? tr("%1\n\nThe game was not stored. Quit without saving it?")
                      .arg(QString::fromStdString(*refusal))
                : tr("There is no game file to keep this game in. Quit without saving it?");
    env_.messages.Confirm(question.toStdString(), [self = QPointer<CabinetWindow>(this)](bool yes) {
        if (!self || self->ending_ != Ending::Asking)
            return;
        if (yes) {
            self->Quit();
            return;
        }
        // Playing on: a bonus game the ending put away comes back.
        self->ending_ = Ending::Playing;
        self->cycle_->ResumeBonus();
    });
}

void CabinetWindow::Quit() {
    ending_ = Ending::Done;
    StopTimers();
    env_.music.Close();
    if (bonusWindow_)
        bonusWindow_->Dismiss();
    for (QDialog* dialog : findChildren<QDialog*>())
        dialog->reject();
    close();
    QCoreApplication::exit(0);
}

}  // namespace quillane
