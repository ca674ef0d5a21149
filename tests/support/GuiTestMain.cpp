// The main of test programs that need a QApplication (widgets, the database session's pointer).
// They run on the offscreen platform, or on a real X display with a window manager where the
// test command says so (QT_QPA_PLATFORM=xcb); without a display those skip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// What a window manager does and the offscreen platform does not: when the active window goes
// away, the window active before it that is still shown gets the activation.
class WindowManagerStandIn : public QObject {
public:
    WindowManagerStandIn()
    {
        // The platform drops a destroyed window's activation without a word, so the stand-in
        // looks, as often as a window manager would notice.
        check_.setInterval(10);
        connect(&check_, &QTimer::timeout, this, [this] {
            if (QWidget* window = QApplication::activeWindow()) {
                std::erase(active_, window);
                active_.emplace_back(window);
                return;
            }
            for (auto it = active_.rbegin(); it != active_.rend(); ++it) {
                if (*it && (*it)->isVisible()) {
                    (*it)->activateWindow();
                    return;
                }
            }
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && !(window->windowType() == Qt::Popup)) {
                    window->activateWindow();
                    return;
                }
            }
        });
        check_.start();
    }

private:
    QTimer check_;
    std::vector<QPointer<QWidget>> active_;
};

}  // namespace

int main(int argc, char** argv)
{
    const bool display = qgetenv("QT_QPA_PLATFORM") == "xcb";
    if (display && qgetenv("DISPLAY").isEmpty()) {
        std::printf("no X display: these tests run under the test command's window manager\n");
        return 77;
    }
    if (!display) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The tests read the program's English; those of another language install it themselves.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        qunsetenv(name);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::optional<WindowManagerStandIn> standIn;
    if (!display) {
        standIn.emplace();
    }
    return RUN_ALL_TESTS();
}
