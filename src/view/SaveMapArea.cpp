#include "view/SaveMapArea.h"

#include "map/tiles/SaveArea.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileSource.h"
#include "platform/MessageBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <thread>

namespace view {

namespace {

QString Megabytes(long long bytes) {
    return QString::number(static_cast<double>(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

} // namespace

void SaveMapArea(QWidget* parent, const std::string& sourceName, const MapAreaBox& box,
                 const std::string& userAgent) {
    const QString title = QObject::tr("Save Map Area");
    const map::TileSourceResult found =
        sourceName.ends_with(".tiles") ? map::ReadTileSourceFile(sourceName)
                                       : map::FindTileSource(sourceName, map::TileSourceFolders());
    if (!found.source) {
        platform::ShowMessage(parent, QObject::tr("Show a tile source first (View > World Map)."),
                              title, platform::MessageIcon::Information);
        return;
    }
    const map::TileSourceDef& source = *found.source;
    if (!source.bulk.allowed) {
        platform::ShowMessage(parent, QString::fromStdString(map::BulkRefusal(source, 1, 0)), title,
                              platform::MessageIcon::Warning);
        return;
    }
    map::TileArea area;
    area.south = box.south;
    area.west = box.west;
    area.north = box.north;
    area.east = box.east;

    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    auto* from = new QSpinBox(&dialog);
    auto* to = new QSpinBox(&dialog);
    for (QSpinBox* spin : {from, to})
        spin->setRange(source.minZoom, source.maxZoom);
    from->setValue(std::clamp(box.zoom, source.minZoom, source.maxZoom));
    to->setValue(std::clamp(box.zoom + 2, source.minZoom, source.maxZoom));
    auto* count = new QLabel(&dialog);
    form->addRow(QObject::tr("From zoom:"), from);
    form->addRow(QObject::tr("To zoom:"), to);
    form->addRow(QObject::tr("Tiles:"), count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto recount = [&] {
        area.minZoom = std::min(from->value(), to->value());
        area.maxZoom = std::max(from->value(), to->value());
        map::SaveOptions dry;
        dry.dryRun = true;
        dry.cacheFolder = map::TileCacheFolder();
        const map::SaveResult counted = map::SaveArea(source, area, {}, dry);
        const std::string refusal = map::BulkRefusal(source, counted.total, area.maxZoom);
        if (!counted.ok)
            count->setText(QString::fromStdString(counted.error));
        else
            count->setText(
                QObject::tr("%1, about %2%3")
                    .arg(counted.total)
                    .arg(Megabytes(counted.estimatedBytes))
                    .arg(refusal.empty() ? QString() : "\n" + QString::fromStdString(refusal)));
        buttons->button(QDialogButtonBox::Save)->setEnabled(counted.ok && refusal.empty());
    };
    QObject::connect(from, &QSpinBox::valueChanged, &dialog, recount);
    QObject::connect(to, &QSpinBox::valueChanged, &dialog, recount);
    recount();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString out =
        QFileDialog::getSaveFileName(parent, title, QString(), QObject::tr("MBTiles (*.mbtiles)"));
    if (out.isEmpty())
        return;

    // The save runs on a worker; the window polls its progress and may cancel it.
    std::atomic<long long> done{0};
    std::atomic<long long> total{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    map::SaveResult result;
    map::SaveOptions options;
    options.userAgent = userAgent;
    options.cacheFolder = map::TileCacheFolder();
    options.progress = [&](const map::SaveProgress& p) {
        done = p.done;
        total = p.total;
        return !cancel.load();
    };
    const std::string path = out.toStdString();
    std::thread worker([&] {
        result = map::SaveArea(source, area, path, options);
        finished = true;
    });
    QProgressDialog progress(QObject::tr("Saving tiles..."), QObject::tr("Cancel"), 0, 1000,
                             parent);
    progress.setWindowTitle(title);
    progress.setMinimumDuration(0);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        if (finished) {
            progress.accept();
            return;
        }
        const long long all = total.load();
        progress.setValue(all > 0 ? static_cast<int>(done.load() * 1000 / all) : 0);
    });
    QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancel = true; });
    poll.start(100);
    progress.exec();
    cancel = true;
    worker.join();
    QString text;
    if (!result.ok)
        text = QString::fromStdString(result.error);
    else if (result.cancelled)
        text = QObject::tr("Cancelled: %1 of %2 tiles are saved; saving the area again goes on "
                           "from there.")
                   .arg(result.fetched + result.kept)
                   .arg(result.total);
    else if (result.failed > 0)
        text = QObject::tr("%1 of %2 tiles could not be fetched (%3); saving the area again "
                           "fetches the rest.")
                   .arg(result.failed)
                   .arg(result.total)
                   .arg(QString::fromStdString(result.lastFailure));
    else
        text = QObject::tr("Saved %1 tiles.").arg(result.fetched + result.kept);
    platform::ShowMessage(parent, text, title, platform::MessageIcon::Information);
}

} // namespace view
