#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildEditPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Edit Controls"),
        QStringLiteral("Different kinds of Edit, TextEdit, Spin"));

    addCaption(page, QStringLiteral("LineEdit"), 120, 150);
    addControl<VelQLineEdit>(page, "qtdedit", QRect(150, 120, 150, 40));

    addCaption(page, QStringLiteral("Disable"), 180, 150);
    auto* disabled = addControl<VelQLineEdit>(page, "qtdedit", QRect(150, 180, 150, 40));
    disabled->setText(QStringLiteral("Disable Edit"));
    disabled->setEnabled(false);

    addCaption(page, QStringLiteral("Promote LineEdit"), 240, 150);
    auto* prompted = addControl<VelQLineEdit>(page, "qtdedit", QRect(150, 240, 150, 40));
    prompted->setTipText(QStringLiteral("Plase Enter Your Name"));

    addCaption(page, QStringLiteral("Password LineEdit"), 300, 150);
    auto* password = addControl<VelQLineEdit>(page, "qtdedit", QRect(150, 300, 150, 40));
    password->setTipText(QStringLiteral("Plase Enter Password"));
    password->setEchoMode(QLineEdit::Password);

    addCaption(page, QStringLiteral("Text Edit"), 360, 150);
    // Themed after the page's scroll bar is installed, so that its scroll-bar children size it.
    auto* text = new VelQTextEdit(page);
    text->setGeometry(150, 360, 150, 80);
    text->setVerticalScrollBar(addScrollBar(page, Qt::Vertical, "qtscrollbar"));
    text->setThemeName(QStringLiteral("qttext"));
    return page;
}

} // namespace Gallery
