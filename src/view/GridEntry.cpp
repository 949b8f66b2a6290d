#include "view/GridEntry.h"

#include "geo/Datums.h"

#include <array>

namespace view {

namespace {

using Entry = calib::MapSettingsDlg::GridEntry;

constexpr std::array<map::GridKind, 4> kChoices = {map::GridKind::Graticule,
                                                   map::GridKind::Topographic, map::GridKind::Chart,
                                                   map::GridKind::Named};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QStringList DatumLabels() {
    QStringList labels;
    for (const map::DatumChoice& datum : map::CommonDatums())
        labels << Text(datum.label);
    return labels;
}

std::string DatumKey(const QString& datum) {
    for (const map::DatumChoice& choice : map::CommonDatums())
        if (Text(choice.label) == datum)
            return std::string(choice.key);
    return datum.toStdString();
}

Entry ToGridEntry(const map::GridSettings& settings) {
    Entry entry;
    for (std::size_t i = 0; i < kChoices.size(); ++i)
        if (kChoices[i] == settings.model.kind)
            entry.model = static_cast<int>(i);
    if (settings.model.kind == map::GridKind::Named)
        entry.crs = QString::fromStdString(settings.model.crs);
    entry.datum = QString::fromStdString(settings.datum);
    for (const map::DatumChoice& datum : map::CommonDatums())
        if (datum.key == settings.datum)
            entry.datum = Text(datum.label);
    entry.keep = settings.keep;
    return entry;
}

std::optional<map::GridSettings> FromGridEntry(const Entry& entry, map::GridSettings current,
                                               std::string* error) {
    const auto choice = static_cast<std::size_t>(entry.model);
    if (choice >= kChoices.size())
        return std::nullopt;
    if (kChoices[choice] == map::GridKind::Named) {
        const std::optional<map::GridModel> model =
            map::GridModel::Parse(entry.crs.toStdString(), error);
        if (!model)
            return std::nullopt;
        current.model = *model;
    } else {
        current.model = {kChoices[choice], {}};
    }
    current.datum = DatumKey(entry.datum);
    current.keep = entry.keep;
    return current;
}

} // namespace view
