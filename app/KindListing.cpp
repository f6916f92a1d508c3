#include "app/KindListing.h"

#include "app/MainWindow.h"
#include "shapes/cShapeBase.h"
#include "text/QtText.h"

namespace {

// "circle (X, Y, Radius): built-in"
QString KindLine(const iShape& prototype, const QString& origin) {
    QStringList labels;
    if (const auto* declared = dynamic_cast<const cShapeBase*>(&prototype)) {
        for (const ShapeValue& value : declared->Kind().values)
            labels.append(ToQt(std::string(value.label)));
    }
    return ToQt(std::string(prototype.ShapeName())) + " (" + labels.join(QStringLiteral(", ")) +
           "): " + origin + "\n";
}

} // namespace

QString KindListing() {
    LinkListCollection types;
    const KindPluginReport report = RegisterKinds(types);
    const std::int32_t builtIn = types.COUNT() - static_cast<std::int32_t>(report.origins.size());
    QString listing;
    for (std::int32_t i = 1; i <= types.COUNT(); ++i) {
        const QString origin = i <= builtIn
                                   ? QStringLiteral("built-in")
                                   : report.origins[static_cast<std::size_t>(i - builtIn - 1)];
        listing += KindLine(*types.ITEM(i), origin);
    }
    if (!report.refusals.empty())
        listing += QStringLiteral("Refused:\n");
    for (const KindPluginReport::Refusal& refusal : report.refusals)
        listing += refusal.file + ": " + refusal.reason + "\n";
    return listing;
}
