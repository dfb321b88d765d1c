// A long run of random user actions against the real main window: presses,
// drags and double-clicks anywhere (the palette too, once scrolled into view),
// typing and pasting into every box, slider and list keys, menu commands, the
// palette's popup menu, and picking from a frozen screen. After every action
// the readouts must agree with the current colour, the palette store must be
// consistent, and the action must have returned promptly.
//
// "Promptly" is measured in the GUI thread's own CPU time, which a busy
// machine does not stretch: a slow path shows there whatever the load. The
// wall-clock time of an action only has a generous bound, to catch an action
// that waits for something that never comes; a watchdog ends the run when
// an action does not return at all.
//
// TESMAR_STORM_ACTIONS sets the number of actions (default 3000; 100000 for a
// full run), TESMAR_STORM_SEED the seed.
#include "forms/unit1.h"
#include "forms/unit2.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace {

// A full storm runs far longer than QtTest's five minutes per test function;
// the budget of each single action is what this test holds to.
const bool longRunAllowed = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "7200000");
    return true;
}();

// The sanitizers make every instruction several times dearer.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// CPU time of the GUI thread one action may cost.
constexpr qint64 kCpuBudgetMs = kSanitized ? 500 : 100;
// Wall-clock time after which an action counts as stuck; starting to pick
// waits 100 ms for the screen to settle, which is within it.
constexpr qint64 kStuckMs = 5000;
// Wall-clock time after which the watchdog gives up on an action that has
// not returned.
constexpr qint64 kHangMs = 60000;

qint64 ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Ends the process when the action it watches has run longer than kHangMs:
// a hung action would never return to be measured.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              while (!stop_) {
                  if (running_ && std::chrono::steady_clock::now() - started_ > std::chrono::milliseconds(kHangMs)) {
                      std::fprintf(stderr, "FAIL: action %lld has not returned after %lld ms\n", index_, kHangMs);
                      std::abort();
                  }
                  wake_.wait_for(lock, std::chrono::milliseconds(500));
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void Start(qint64 index)
    {
        std::lock_guard lock(mutex_);
        index_ = index;
        started_ = std::chrono::steady_clock::now();
        running_ = true;
    }
    void Stop()
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool running_ = false;
    qint64 index_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

qint64 EnvNumber(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// Moves that leave the window and the offscreen platform's missing window
// functions are expected here; everything else is passed on.
QtMessageHandler previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message.contains(QLatin1String("outside target window")) ||
                                 message.contains(QLatin1String("This plugin does not support"))))
        return;
    previousHandler(type, context, message);
}

QString OffsetText(int p) { return p > 0 ? QStringLiteral("+%1").arg(p) : QString::number(p); }

class Storm {
public:
    Storm(TForm1* form, QStringList* errors, std::uint32_t seed)
        : f_(form), errors_(errors), rng_(seed), popupRng_(seed ^ 0x9e3779b9u)
    {
        forbidden_ = {f_->mnuFileExit, f_->mnuHelpContents, f_->mnuHelpHomePage, f_->mnuHelpAbout};
        edits_ = {f_->edtDec, f_->edtHex, f_->edtHtml, f_->edtR, f_->edtRB, f_->edtG, f_->edtGB, f_->edtB, f_->edtBB};
        targets_ = {f_->PaintBox,
                    f_->imgColorBar,
                    f_->imgPalette,
                    f_->scrR,
                    f_->scrG,
                    f_->scrB,
                    f_->scrValue,
                    f_->cmbBrowserColor,
                    f_->spbToolPixGet,
                    f_->spbToolSet10,
                    f_->spbToolSet16,
                    f_->spbToolSetHTML,
                    f_->spbToolFrontWnd,
                    f_->scrollBox->horizontalScrollBar(),
                    f_->scrollBox->verticalScrollBar()};
        for (TEdit* e : edits_)
            targets_.push_back(e);
        for (QAction* a : f_->mnuEdit->actions() + f_->mnuVisible->actions())
            if (a->isVisible() && !a->isSeparator() && !forbidden_.count(a))
                menuCommands_.push_back(a);
        // Pictures to pick from: noise, so that every pick gives a new colour.
        SetScreenGrabber([this](QScreen* screen) {
            const QSize size = screen ? screen->size() : QSize(800, 600);
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < size.width(); ++x)
                    line[x] = 0xFF000000u | (rng_() & 0xFFFFFFu);
            }
            return image;
        });
        // Menus opened with exec() and modal boxes block inside an action;
        // this timer answers them from the nested event loop.
        closer_.setInterval(1);
        QObject::connect(&closer_, &QTimer::timeout, [this] { AnswerPopupsAndModals(); });
        closer_.start();
    }

    ~Storm() { SetScreenGrabber({}); }

    // Runs one random action; returns the failure text, empty when all held.
    QString Step(qint64 index)
    {
        watchdog_.Start(index);
        QElapsedTimer clock;
        clock.start();
        const qint64 cpuBefore = ThreadCpuMs();
        QString what = RandomAction();
        AnswerPopupsAndModals();
        const qint64 cpu = ThreadCpuMs() - cpuBefore;
        const qint64 took = clock.elapsed();
        watchdog_.Stop();
        maxCpuMs_ = std::max(maxCpuMs_, cpu);
        maxMs_ = std::max(maxMs_, took);
        ++kinds_[what.section(QLatin1Char(' '), 0, 0)];
        log_.push_back(QStringLiteral("#%1 %2 (%3 ms CPU, %4 ms)").arg(index).arg(what).arg(cpu).arg(took));
        if (log_.size() > 25)
            log_.pop_front();
        QString failure = CheckInvariants();
        if (failure.isEmpty() && cpu > kCpuBudgetMs)
            failure = QStringLiteral("the action cost %1 ms of CPU time (limit %2 ms)").arg(cpu).arg(kCpuBudgetMs);
        if (failure.isEmpty() && took > kStuckMs)
            failure = QStringLiteral("the action took %1 ms (limit %2 ms)").arg(took).arg(kStuckMs);
        return failure;
    }

    QString History() const
    {
        QStringList lines(log_.begin(), log_.end());
        return lines.join(QLatin1Char('\n'));
    }
    QString Summary() const
    {
        QStringList parts;
        for (const auto& [kind, count] : kinds_)
            parts << QStringLiteral("%1 %2").arg(kind).arg(count);
        return parts.join(QStringLiteral(", ")) +
               QStringLiteral("; dearest %1 ms CPU, slowest %2 ms").arg(maxCpuMs_).arg(maxMs_);
    }

private:
    int Rand(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Rand(0, 99) < percent; }
    template <typename T> T Pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Rand(0, static_cast<int>(items.size()) - 1))];
    }

    QWindow* MainWindow() const { return f_->windowHandle(); }

    // A point in the main window's coordinates: inside one of the controls, or
    // anywhere. Presses on the help button start other programs or a modal
    // box, so they are left out.
    QPoint RandomPoint(QString* where)
    {
        for (;;) {
            QPoint p;
            if (Chance(75)) {
                QWidget* w = Pick(targets_);
                if (w == f_->imgPalette)
                    ScrollPaletteIntoView();
                p = w->mapTo(f_, QPoint(Rand(-2, w->width() + 1), Rand(-2, w->height() + 1)));
                *where =
                    w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
            } else {
                p = QPoint(Rand(0, f_->width() - 1), Rand(0, f_->height() - 1));
                *where = QStringLiteral("window");
            }
            const QRect help(f_->spbToolHelp->mapTo(f_, QPoint(0, 0)), f_->spbToolHelp->size());
            if (!help.adjusted(-1, -1, 1, 1).contains(p) && f_->rect().contains(p))
                return p;
        }
    }

    bool OnMenuBar(QPoint p) const { return f_->mnuMain && f_->mnuMain->geometry().contains(p); }

    // What a user does to reach the palette: work the window's horizontal bar.
    void ScrollPaletteIntoView()
    {
        QScrollBar* bar = f_->scrollBox->horizontalScrollBar();
        for (int i = 0; i < 6 && bar->value() < bar->maximum(); ++i)
            QTest::mouseClick(MainWindow(), Qt::LeftButton, {},
                              bar->mapTo(f_, QPoint(bar->width() - 22, bar->height() / 2)));
    }

    Qt::MouseButton RandomButton()
    {
        const int r = Rand(0, 9);
        return r < 7 ? Qt::LeftButton : r < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    QString RandomAction()
    {
        if (f_->pixGetOn && Form2 && Form2->isVisible() && Chance(60))
            return OnSnapshot();
        const int r = Rand(0, 99);
        if (r < 22)
            return Click();
        if (r < 40)
            return Drag();
        if (r < 48)
            return DoubleClick();
        if (r < 64)
            return Type();
        if (r < 72)
            return Paste();
        if (r < 80)
            return SliderKeys();
        if (r < 85)
            return ListKeys();
        if (r < 89)
            return WindowKeys();
        if (r < 93)
            return Wheel();
        if (r < 97)
            return MenuCommand();
        return StartOrStopPicking();
    }

    QString Click()
    {
        QString where;
        const QPoint p = RandomPoint(&where);
        const Qt::MouseButton button = OnMenuBar(p) ? Qt::LeftButton : RandomButton();
        QTest::mouseClick(MainWindow(), button, {}, p);
        return QStringLiteral("click %1 button %2 at %3,%4").arg(where).arg(int(button)).arg(p.x()).arg(p.y());
    }

    QString Drag()
    {
        QString where;
        QPoint p = RandomPoint(&where);
        while (OnMenuBar(p))
            p = RandomPoint(&where);
        const Qt::MouseButton button = Chance(90) ? Qt::LeftButton : Qt::RightButton;
        QTest::mousePress(MainWindow(), button, {}, p);
        const int moves = Rand(1, 25);
        for (int i = 0; i < moves; ++i) {
            p += QPoint(Rand(-40, 40), Rand(-15, 15));
            p.setX(std::clamp(p.x(), -30, f_->width() + 30));
            p.setY(std::clamp(p.y(), -30, f_->height() + 30));
            QTest::mouseMove(MainWindow(), p);
            if (Chance(3)) { // another button goes down and up during the drag
                QTest::mousePress(MainWindow(), Qt::RightButton, {}, p);
                QTest::mouseRelease(MainWindow(), Qt::RightButton, {}, p);
            }
        }
        QTest::mouseRelease(MainWindow(), button, {}, p);
        return QStringLiteral("drag %1 button %2, %3 moves to %4,%5")
            .arg(where)
            .arg(int(button))
            .arg(moves)
            .arg(p.x())
            .arg(p.y());
    }

    QString DoubleClick()
    {
        QString where;
        QPoint p = RandomPoint(&where);
        while (OnMenuBar(p))
            p = RandomPoint(&where);
        QTest::mouseDClick(MainWindow(), Qt::LeftButton, {}, p);
        return QStringLiteral("dclick %1 at %2,%3").arg(where).arg(p.x()).arg(p.y());
    }

    QString RandomText(int maxLength)
    {
        static const QString alphabet = QStringLiteral("0123456789abcdefABCDEFxXgz -+#.,０１ｆあ\t");
        QString text;
        const int n = Rand(0, maxLength);
        for (int i = 0; i < n; ++i)
            text += alphabet.at(Rand(0, int(alphabet.size()) - 1));
        return text;
    }

    // QTest's own typing knows ASCII only; other characters come as an
    // input method would send them, as text on a key without a code.
    static void TypeText(QWidget* target, const QString& text)
    {
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(target, char(ch.unicode()));
                continue;
            }
            QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &down);
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &up);
        }
    }

    QString Type()
    {
        TEdit* edit = Pick(edits_);
        QString what = QStringLiteral("type %1:").arg(edit->objectName());
        const int keys = Rand(1, 6);
        for (int i = 0; i < keys; ++i) {
            const int r = Rand(0, 19);
            if (r < 12) {
                const QString text = RandomText(3);
                TypeText(edit, text);
                what += QLatin1Char(' ') + text;
            } else {
                static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> special = {
                    {Qt::Key_Backspace, {}},
                    {Qt::Key_Delete, {}},
                    {Qt::Key_Left, {}},
                    {Qt::Key_Right, Qt::ShiftModifier},
                    {Qt::Key_Home, {}},
                    {Qt::Key_End, Qt::ShiftModifier},
                    {Qt::Key_A, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                    {Qt::Key_X, Qt::ControlModifier},
                    {Qt::Key_C, Qt::ControlModifier},
                    {Qt::Key_Return, {}}};
                const auto [key, modifiers] = Pick(special);
                QTest::keyClick(edit, key, modifiers);
                what += QStringLiteral(" <%1>").arg(QKeySequence(int(key) | int(modifiers)).toString());
            }
        }
        return what;
    }

    QString Paste()
    {
        static const QStringList samples = {
            QStringLiteral("255"),     QStringLiteral("300"),  QStringLiteral("007"),  QStringLiteral(" 12"),
            QStringLiteral("-5"),      QStringLiteral("ff"),   QStringLiteral("0x1F"), QStringLiteral("1 2"),
            QStringLiteral("ｆｆ"),    QStringLiteral("１２"), QStringLiteral(""),     QStringLiteral("9999999999"),
            QStringLiteral("#FF8000"), QStringLiteral("zz"),   QStringLiteral("\n7\n")};
        const QString text = Chance(50) ? samples.at(Rand(0, int(samples.size()) - 1)) : RandomText(12);
        QGuiApplication::clipboard()->setText(text);
        TEdit* edit = Pick(edits_);
        if (Chance(50))
            edit->selectAll();
        // The context menu's paste (the paste key does nothing in a channel
        // box); a read-only box offers it disabled.
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-paste") && action->isEnabled())
                action->trigger();
        }
        return QStringLiteral("paste %1: \"%2\"").arg(edit->objectName(), text);
    }

    QString SliderKeys()
    {
        static const std::vector<Qt::Key> keys = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                                  Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = Pick(keys);
        const int repeats = Chance(30) ? Rand(1, 40) : 0;
        f_->scrValue->setFocus(Qt::TabFocusReason);
        QTest::keyPress(f_->scrValue, key);
        for (int i = 0; i < repeats; ++i) { // holding the key down
            QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(f_->scrValue, &up);
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(f_->scrValue, &down);
        }
        QTest::keyRelease(f_->scrValue, key);
        return QStringLiteral("slider %1 x%2").arg(QKeySequence(key).toString()).arg(repeats + 1);
    }

    QString ListKeys()
    {
        static const std::vector<Qt::Key> keys = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                                  Qt::Key_Home, Qt::Key_End,  Qt::Key_B,      Qt::Key_R};
        const Qt::Key key = Pick(keys);
        QTest::keyClick(f_->cmbBrowserColor, key);
        return QStringLiteral("list %1").arg(QKeySequence(key).toString());
    }

    // Keys the window itself answers: the hidden items' shortcuts, the menus'
    // access keys and Tab. Ctrl+Q and F1 exit or start the help viewer.
    QString WindowKeys()
    {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_S, Qt::ControlModifier},
            {Qt::Key_O, Qt::ControlModifier},
            {Qt::Key_F, Qt::AltModifier},
            {Qt::Key_E, Qt::AltModifier},
            {Qt::Key_V, Qt::AltModifier},
            {Qt::Key_H, Qt::AltModifier},
            {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, Qt::ShiftModifier}};
        const auto [key, modifiers] = Pick(keys);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : f_;
        QTest::keyClick(target, key, modifiers);
        return QStringLiteral("keys %1").arg(QKeySequence(int(key) | int(modifiers)).toString());
    }

    QString Wheel()
    {
        QString where;
        const QPoint p = RandomPoint(&where);
        QWidget* target = f_->childAt(p);
        if (!target)
            return QStringLiteral("wheel nothing");
        const QPoint local = target->mapFrom(f_, p);
        const int delta = Rand(-3, 3) * 120;
        QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Chance(20) ? Qt::ShiftModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return QStringLiteral("wheel %1 %2").arg(where).arg(delta);
    }

    QString MenuCommand()
    {
        QAction* action = Pick(menuCommands_);
        action->trigger();
        return QStringLiteral("menu %1").arg(action->objectName().isEmpty() ? action->text() : action->objectName());
    }

    QString StartOrStopPicking()
    {
        if (Chance(50)) {
            QTest::mouseClick(MainWindow(), Qt::LeftButton, {},
                              f_->spbToolPixGet->mapTo(f_, f_->spbToolPixGet->rect().center()));
            return QStringLiteral("pick button");
        }
        f_->mnuEditScreenCopy->trigger();
        return QStringLiteral("pick menu");
    }

    QString OnSnapshot()
    {
        QWindow* window = Form2->windowHandle();
        const QSize size = Form2->size();
        auto point = [&] { return QPoint(Rand(0, size.width() - 1), Rand(0, size.height() - 1)); };
        QPoint p = point();
        const int r = Rand(0, 9);
        if (r < 6) {
            QTest::mousePress(window, Qt::LeftButton, {}, p);
            const int moves = Rand(0, 20);
            for (int i = 0; i < moves; ++i) {
                p = point();
                QTest::mouseMove(window, p);
            }
            QTest::mouseRelease(window, Qt::LeftButton, {}, p);
            return QStringLiteral("snapshot drag, %1 moves").arg(moves);
        }
        if (r < 8) {
            QTest::mouseClick(window, Qt::MiddleButton, {}, p);
            return QStringLiteral("snapshot middle");
        }
        QTest::mouseClick(window, Qt::RightButton, {}, p);
        return QStringLiteral("snapshot right");
    }

    // Menus and boxes left open by an action: sometimes choose one of the
    // menu's items as a user would, then close whatever is still open.
    void AnswerPopupsAndModals()
    {
        if (answering_)
            return;
        answering_ = true;
        for (int guard = 0; guard < 8; ++guard) {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                auto* menu = qobject_cast<QMenu*>(popup);
                std::vector<QAction*> choices;
                if (menu)
                    for (QAction* a : menu->actions())
                        if (a->isVisible() && a->isEnabled() && !a->isSeparator() && !a->menu() &&
                            !forbidden_.count(a) && !menu->actionGeometry(a).isEmpty())
                            choices.push_back(a);
                if (!choices.empty() && popupRng_() % 2 == 0) {
                    QAction* a = choices[popupRng_() % choices.size()];
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                }
                if (QApplication::activePopupWidget() == popup)
                    popup->close();
                continue;
            }
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    box->done(QMessageBox::Ok);
                else if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
                continue;
            }
            break;
        }
        answering_ = false;
    }

    QString CheckInvariants() const
    {
        const TColor c = f_->currentColor;
        const auto text = [](const std::string& s) { return QString::fromStdString(s); };
        if (f_->PaintBox->Pixel(0, 0) != c)
            return QStringLiteral("swatch shows %1, current colour is %2").arg(f_->PaintBox->Pixel(0, 0)).arg(c);
        if (f_->edtDec->text() != text(DecimalForm(c)))
            return QStringLiteral("edtDec reads %1 for %2").arg(f_->edtDec->text()).arg(c);
        if (f_->edtHex->text() != text(HexForm(c)))
            return QStringLiteral("edtHex reads %1 for %2").arg(f_->edtHex->text()).arg(c);
        if (f_->edtHtml->text() != text(HtmlForm(c)))
            return QStringLiteral("edtHtml reads %1 for %2").arg(f_->edtHtml->text()).arg(c);
        // Every change of the colour either comes from the bars or ends by
        // moving them, so they always hold its channels.
        if (f_->scrR->value() != RedOf(c) || f_->scrG->value() != GreenOf(c) || f_->scrB->value() != BlueOf(c))
            return QStringLiteral("bars stand at %1,%2,%3 for %4")
                .arg(f_->scrR->value())
                .arg(f_->scrG->value())
                .arg(f_->scrB->value())
                .arg(c);
        if (f_->lblValue->text() != OffsetText(f_->scrValue->value()))
            return QStringLiteral("brightness label %1 at position %2")
                .arg(f_->lblValue->text())
                .arg(f_->scrValue->value());

        std::set<int> used;
        int length = 0;
        for (const PalNode* n = f_->palList; n; n = n->next) {
            if (++length > 1000)
                return QStringLiteral("the palette list does not end");
            if (n->no < 1 || n->no > 128)
                return QStringLiteral("palette slot %1 out of range").arg(n->no);
            used.insert(n->no);
        }
        if (f_->palCount != length)
            return QStringLiteral("palCount %1, list length %2").arg(f_->palCount).arg(length);
        if (used.size() > 128)
            return QStringLiteral("%1 distinct palette slots").arg(used.size());
        if (f_->palSelNo < 1 || f_->palSelNo > 128)
            return QStringLiteral("selected slot %1").arg(f_->palSelNo);
        if (f_->spbToolPixGet->isChecked() != (f_->pixGetOn != 0))
            return QStringLiteral("eyedropper button and pixGetOn disagree");
        if (!f_->isVisible())
            return QStringLiteral("the main window is gone");

        // The only error a user can provoke here is a failed conversion.
        static const QRegularExpression conversion(QStringLiteral("^'.*' は整数ではありません\\.$"),
                                                   QRegularExpression::DotMatchesEverythingOption);
        for (const QString& e : *errors_)
            if (!conversion.match(e).hasMatch())
                return QStringLiteral("unexpected error report: %1").arg(e);
        errors_->clear();
        return {};
    }

    TForm1* f_;
    QStringList* errors_;
    std::mt19937 rng_;
    std::mt19937 popupRng_;
    QTimer closer_;
    bool answering_ = false;
    std::set<const QAction*> forbidden_;
    std::vector<TEdit*> edits_;
    std::vector<QWidget*> targets_;
    std::vector<QAction*> menuCommands_;
    std::deque<QString> log_;
    std::map<QString, int> kinds_;
    qint64 maxCpuMs_ = 0;
    qint64 maxMs_ = 0;
    Watchdog watchdog_;
};

} // namespace

class TestEventStorm : public QObject {
    Q_OBJECT
private slots:
    void storm();
};

void TestEventStorm::storm()
{
    const qint64 actions = EnvNumber("TESMAR_STORM_ACTIONS", 3000);
    const auto seed = static_cast<std::uint32_t>(EnvNumber("TESMAR_STORM_SEED", 20240607));
    previousHandler = qInstallMessageHandler(QuietHandler);
    TesmarWindows windows;
    TForm1* form = windows.main();
    QVERIFY(ShowAndActivate(form));

    Storm storm(form, &windows.errors, seed);
    for (qint64 i = 0; i < actions; ++i) {
        const QString failure = storm.Step(i);
        if (!failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n%4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(failure, storm.History())));
    }
    qInstallMessageHandler(previousHandler);
    qInfo("%lld actions, seed %u: %s", actions, seed, qPrintable(storm.Summary()));
}

TESMAR_TEST_MAIN(TestEventStorm)
#include "test_event_storm.moc"
