#include "app/HelpWindows.h"

#include "app/Commands.h"
#include "app/MenuTree.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "View > Follow GPS": the item's text under the titles of its menus.
QString MenuPath(int id) {
    const auto item = std::find_if(kMenuItems.begin(), kMenuItems.end(),
                                   [id](const MenuItemDef& i) { return i.id == id; });
    if (item == kMenuItems.end())
        return {};
    QString path = MenuText(item->text);
    for (Menu menu = item->menu; menu != Menu::Bar && menu != Menu::None;) {
        const auto def = std::find_if(kMenus.begin(), kMenus.end(),
                                      [menu](const MenuDef& m) { return m.id == menu; });
        if (def == kMenus.end())
            break;
        path = MenuText(def->title) + " > " + path;
        menu = def->parent;
    }
    return path;
}

// A window of its own with browser's text and a Close button.
void ShowBrowser(QWidget* parent, const QString& title, QTextBrowser* browser) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    browser->setParent(&dialog);
    browser->setOpenExternalLinks(true);
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 520);
    dialog.exec();
}

} // namespace

QString ShortcutsHtml() {
    QString html = "<table cellpadding=\"4\">";
    for (const ShortcutDef& shortcut : kShortcuts) {
        QStringList keys;
        for (const QString& key : Text(shortcut.keys).split(',', Qt::SkipEmptyParts))
            keys << QKeySequence(key, QKeySequence::PortableText)
                        .toString(QKeySequence::NativeText)
                        .toHtmlEscaped();
        html += "<tr><td><b>" + keys.join(QObject::tr(" or ")) + "</b></td><td>" +
                MenuPath(shortcut.id).toHtmlEscaped() + "</td></tr>";
    }
    html += "<tr><td><b>" + QKeySequence(Qt::CTRL | Qt::Key_Q).toString(QKeySequence::NativeText) +
            "</b></td><td>" + QObject::tr("Quit") + "</td></tr>";
    html += "<tr><td><b>" + QObject::tr("Arrow keys") + "</b></td><td>" +
            QObject::tr("Scroll the map") + "</td></tr></table>";
    return html;
}

QString UserGuidePath() {
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/quilo/guide.html";
    if (QFileInfo::exists(installed))
        return QFileInfo(installed).canonicalFilePath();
    const QString built = QStringLiteral(QUILO_GUIDE_IN_BUILD);
    return QFileInfo::exists(built) ? built : QString();
}

void ShowShortcuts(QWidget* parent) {
    auto* browser = new QTextBrowser;
    browser->setHtml(ShortcutsHtml());
    ShowBrowser(parent, QObject::tr("Keyboard Shortcuts"), browser);
}

void ShowUserGuide(QWidget* parent) {
    const QString path = UserGuidePath();
    if (path.isEmpty()) {
        platform::ShowMessage(parent, QObject::tr("The user guide is not installed."), "QUILO",
                              platform::MessageIcon::Warning);
        return;
    }
    auto* browser = new QTextBrowser;
    browser->setSource(QUrl::fromLocalFile(path));
    ShowBrowser(parent, QObject::tr("QUILO User Guide"), browser);
}

} // namespace app
