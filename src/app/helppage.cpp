#include "helppage.h"

#include "calcwin/windowregistry.h"
#include "helppicture.h"
#include "helptexts.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace talir::app {
namespace {

constexpr double kButtonPoints = 9.75;
constexpr int kPictureGap = 4; // between the end of a text and a picture under it
constexpr int kPageMargin = 8; // a widened title keeps this far from the window's edges

bool sideBySide(const QWidget* a, const QWidget* b) {
    return a->x() < b->x() + b->width() && b->x() < a->x() + a->width();
}

int textHeight(const QLabel* label) {
    return label->heightForWidth(label->width());
}

} // namespace

HelpPage::HelpPage(const HelpPageSpec& page)
    : ToolWindow({helptext::kCaption, page.client, page.icon, false, page.centred}), page_(page) {
    addTexts();
    addPictures();
    addButtons();
    makeRoomForText();
}

void HelpPage::addTexts() {
    for (const HelpText& block : page_.texts) {
        auto* label = new QLabel(client());
        label->setObjectName(block.name);
        label->setTextFormat(Qt::PlainText);
        label->setText(block.text);
        label->setFont(calcwin::fontFor(block.font));
        label->setAlignment((block.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        if (block.rect.isEmpty()) {
            label->move(block.rect.topLeft());
            label->adjustSize();
        } else {
            label->setWordWrap(true);
            label->setGeometry(block.centred ? widenedAboutCentre(block) : block.rect);
        }
    }
}

// A centred title that is a little too long for one line on this platform's
// fonts takes more of the page's width rather than breaking its last word
// onto a line of its own.
QRect HelpPage::widenedAboutCentre(const HelpText& block) const {
    const int oneLine =
        QFontMetrics(calcwin::fontFor(block.font)).horizontalAdvance(block.text) + 4;
    const int room = page_.client.width() - 2 * kPageMargin;
    if (oneLine <= block.rect.width() || oneLine > room)
        return block.rect;
    const double centre = block.rect.x() + block.rect.width() / 2.0;
    const int left = std::clamp(static_cast<int>(std::lround(centre - oneLine / 2.0)), kPageMargin,
                                page_.client.width() - kPageMargin - oneLine);
    return QRect(left, block.rect.y(), oneLine, block.rect.height());
}

void HelpPage::addPictures() {
    for (const HelpPictureSpec& picture : page_.pictures) {
        auto* widget = new HelpPicture(takeShot(picture.recipe), client());
        widget->setObjectName(picture.name);
        widget->setGeometry(picture.rect);
    }
}

void HelpPage::addButtons() {
    const auto add = [this](const HelpButton& data, void (HelpPage::*handler)()) {
        auto* button = new QPushButton(data.text, client());
        button->setObjectName(data.name);
        button->setFont(calcwin::helvetica(kButtonPoints));
        button->setGeometry(data.rect);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    QPushButton* back = add(page_.back, &HelpPage::btn1_Click);
    if (page_.turn)
        add(*page_.turn, &HelpPage::btn2_Click);
    back->setFocus();
}

// The blocks are laid out for the fonts the pages were written with. Where a
// text needs more lines on this platform's fonts, the blocks under it move
// down and a picture under it gives up the top of its rectangle (it keeps
// its proportions), so that no text is ever cut off or drawn over.
void HelpPage::makeRoomForText() {
    std::vector<QLabel*> blocks;
    for (auto* label : client()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->wordWrap())
            blocks.push_back(label);
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](auto* a, auto* b) { return a->y() < b->y(); });
    const auto pictures = client()->findChildren<HelpPicture*>(Qt::FindDirectChildrenOnly);

    for (auto it = blocks.begin(); it != blocks.end(); ++it) {
        QLabel* block = *it;
        const int needed = textHeight(block);
        block->resize(block->width(), std::max(block->height(), needed));
        const int textBottom = block->y() + needed;
        for (auto later = std::next(it); later != blocks.end(); ++later)
            if (sideBySide(block, *later) && (*later)->y() < textBottom)
                (*later)->move((*later)->x(), textBottom);
        for (HelpPicture* picture : pictures) {
            if (!sideBySide(block, picture) || picture->y() <= block->y())
                continue;
            const int top = textBottom + kPictureGap;
            const int drawnTop = picture->y() + static_cast<int>(picture->imageRect().top());
            if (drawnTop < top) {
                const int bottom = picture->y() + picture->height();
                picture->setGeometry(picture->x(), top, picture->width(),
                                     std::max(0, bottom - top));
            }
        }
    }
}

void HelpPage::btn1_Click() {
    calcwin::registry().hide(objectName());
    calcwin::registry().show(page_.back.shows);
}

void HelpPage::btn2_Click() {
    if (!page_.turn)
        return;
    calcwin::registry().hide(objectName());
    calcwin::registry().show(page_.turn->shows);
}

} // namespace talir::app
