#include "app/AboutDialog.h"

#include "app/ToolbarIcons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

void RunAboutDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("About QUILO"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(MakeAppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    auto* name = new QLabel("<b>QUILO</b>", &dialog);
    name->setAlignment(Qt::AlignCenter);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    layout->addWidget(name);
    for (const QString& line : {QObject::tr("Version %1").arg(QUILO_VERSION_TEXT),
                                QObject::tr("Written by the QUILO developers"),
                                QObject::tr("Contact: %1").arg("quilo-dev@lists.example.org"),
                                QStringLiteral("https://quilo.example.org/")}) {
        auto* label = new QLabel(line, &dialog);
        label->setAlignment(Qt::AlignCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace app
