#include "aboutwindow.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace talir::app {
namespace {

struct Credit {
    const char* name;
    QString text;
    QRect rect;
};

// A centred one-line label; a text wider than its rectangle widens it about
// the same centre.
void addCredit(QWidget* parent, const Credit& credit) {
    auto* label = new QLabel(credit.text, parent);
    label->setObjectName(QString::fromLatin1(credit.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QFontMetrics metrics(label->font());
    const int width = std::max(credit.rect.width(), metrics.horizontalAdvance(credit.text) + 4);
    const int height = std::max(credit.rect.height(), metrics.height());
    const double centre = credit.rect.x() + credit.rect.width() / 2.0;
    label->setGeometry(static_cast<int>(std::lround(centre - width / 2.0)), credit.rect.y(), width,
                       height);
}

} // namespace

AboutWindow::AboutWindow()
    : ToolWindow({QStringLiteral("О программе"), QSize(391, 106), QStringLiteral(":/info.svg"),
                  true, true}) {
    const Credit credits[] = {
        {"Label1", QStringLiteral("Завод вентиляционных решеток, 2007"), {39, 8, 313, 17}},
        {"Label4", QStringLiteral("Отдел разработки"), {115, 32, 161, 17}},
        {"Label2", QStringLiteral("www.talir.example"), {143, 56, 105, 17}},
        {"Label3", QStringLiteral("info@talir.example"), {135, 80, 121, 17}},
    };
    for (const Credit& credit : credits)
        addCredit(client(), credit);
}

} // namespace talir::app
