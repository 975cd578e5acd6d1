#pragma once

#include "calcwin/controls.h"
#include "calcwin/toolwindow.h"
#include "windowshot.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace talir::app {

// A block of text on a help page. Its rectangle is where it starts and how
// wide it wraps; a block with no size is one line as wide as its text.
struct HelpText {
    QString name;
    QString text;
    QRect rect;
    calcwin::FontSpec font;
    bool centred = false;
};

struct HelpPictureSpec {
    QString name;
    QRect rect; // the photograph is scaled into it, proportions kept
    ShotRecipe recipe;
};

struct HelpButton {
    QString name;
    QString text;
    QRect rect;
    QString shows; // the window it leads to; this page hides itself
};

// Everything that distinguishes one help page from another.
struct HelpPageSpec {
    QString name; // "HelpD5"
    QSize client;
    QString icon;        // empty: none
    bool centred = true; // else where the system places new windows
    std::vector<HelpText> texts;
    std::vector<HelpPictureSpec> pictures;
    HelpButton back;                // btn1 "ВЕРНУТЬСЯ В ПРОГРАММУ"
    std::optional<HelpButton> turn; // btn2 "Далее>>>" / "<<<Назад"
};

// A help page: fixed texts, pictures of the window it explains, the way back
// to that window and, on two-page help, the way to the other page.
class HelpPage : public calcwin::ToolWindow {
    Q_OBJECT
public:
    explicit HelpPage(const HelpPageSpec& page);

    const HelpPageSpec& page() const { return page_; }

public slots:
    void btn1_Click();
    void btn2_Click();

private:
    void addTexts();
    void addPictures();
    void addButtons();
    void makeRoomForText();
    QRect widenedAboutCentre(const HelpText& block) const;

    const HelpPageSpec& page_;
};

} // namespace talir::app
