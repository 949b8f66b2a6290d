#include "app/AboutDialog.h"

#include "app/ToolbarIcons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

void RunAboutDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle("About QUILO");
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
    for (const char* line :
         {"Version " QUILO_VERSION_TEXT, "Written by the QUILO developers",
          "Contact: quilo-dev@lists.example.org", "https://quilo.example.org/"}) {
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
