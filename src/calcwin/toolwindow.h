#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QMenuBar;
class QPushButton;

namespace talir::calcwin {

// How a window of the tool is framed.
struct FrameSpec {
    QString caption;
    QSize client;          // client area at 96 dpi, under the menu bar
    QString icon;          // resource of the window icon; empty: none
    bool closeBox = false; // only the About window has one
    bool centred = true;   // else where the system places new windows
};

// A top-level window of the tool: fixed frame without minimise and maximise
// buttons, a client area in which controls sit at fixed positions, an
// optional menu bar above it, and the keyboard habits of the tool: Enter
// presses the window's default button (or the focused button), Esc does
// nothing, and a close request from the window manager counts as "Выход".
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(const FrameSpec& frame, QWidget* parent = nullptr);

    QWidget* client() const { return client_; }
    QMenuBar* menuBar();
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }

    // The menu items every window has: a help page shown in place of this
    // window (or, where the window stays, beside it), the About window on
    // top, and the exit question.
    void openHelp(const QString& page, bool keepThisShown = false);
    void openAbout();
    void askToExit();

    template <typename T = QWidget> T* control(const QString& name) const {
        return client_->findChild<T*>(name);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void pressEnter();

    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    bool closeBox_;
    bool centred_;
    bool placed_ = false;
};

} // namespace talir::calcwin
