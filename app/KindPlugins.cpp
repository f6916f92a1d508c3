#include "app/KindPlugins.h"

#include "shapes/iKindPlugin.h"
#include "text/QtText.h"
#include "text/TextFields.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <cstdio>

namespace {

// Every kit version's interface id starts so; the rest is the version.
constexpr QLatin1StringView kPluginFamily("org.kestrune.Kestrune.KindPlugin/");
constexpr QLatin1StringView kThisKit =
    QLatin1StringView(KESTRUNE_KIND_PLUGIN_IID).sliced(kPluginFamily.size());

bool KeywordTaken(const std::string& keyword, const LinkListCollection& types) {
    for (std::int32_t i = 1; i <= types.COUNT(); ++i) {
        if (TextEquals(keyword, LowerCase(types.ITEM(i)->ShapeName())))
            return true;
    }
    return false;
}

// Why the kind cannot join types, or nothing when it can.
QString KindRefusal(const ShapeKind& kind, const LinkListCollection& types,
                    std::int32_t mostKinds) {
    const std::string keyword(kind.keyword);
    if (keyword.empty())
        return QStringLiteral("its keyword is empty, and Load matches no empty keyword");
    if (keyword.find(',') != std::string::npos)
        return QStringLiteral("its keyword holds a comma, which ends a record's keyword");
    if (LowerCase(keyword) != keyword)
        return QStringLiteral("its keyword changes when lower-cased, so Load never matches it");
    if (KeywordTaken(keyword, types))
        return QStringLiteral("its keyword is already taken");
    if (kind.values.size() < 2 || kind.values.size() > kMostShapeValues)
        return QStringLiteral("a kind has from 2 values (X and Y) to %1, and it has %2")
            .arg(kMostShapeValues)
            .arg(kind.values.size());
    if (types.COUNT() >= mostKinds)
        return QStringLiteral("the button column has no room left (%1 kinds at most)")
            .arg(mostKinds);
    return {};
}

class cPluginLoading {
  public:
    cPluginLoading(LinkListCollection& types, std::int32_t mostKinds)
        : types_(types), mostKinds_(mostKinds) {}

    void Load(const QString& file) {
        if (QFileInfo(file).size() == 0) // nothing to read, and the loader would complain
            return Refuse(file, QStringLiteral("not a Kestrune kind plugin"));
        QPluginLoader loader(file);
        const QString iid = loader.metaData().value(QStringLiteral("IID")).toString();
        if (!iid.startsWith(kPluginFamily))
            return Refuse(file, QStringLiteral("not a Kestrune kind plugin"));
        const QString kit = iid.mid(kPluginFamily.size());
        if (kit != kThisKit)
            return Refuse(
                file,
                QStringLiteral("built for kit %1; this Kestrune takes kit %2").arg(kit, kThisKit));
        auto* plugin = qobject_cast<iKindPlugin*>(loader.instance());
        if (plugin == nullptr)
            return Refuse(file, "cannot be loaded: " + loader.errorString());
        const std::vector<std::shared_ptr<cShapeBase>> kinds = plugin->Kinds();
        if (kinds.empty())
            return Refuse(file, QStringLiteral("offers no kind"));
        for (const std::shared_ptr<cShapeBase>& kind : kinds)
            Add(file, kind);
    }

    KindPluginReport report;

  private:
    void Add(const QString& file, const std::shared_ptr<cShapeBase>& kind) {
        const QString why = KindRefusal(kind->Kind(), types_, mostKinds_);
        const QString keyword = ToQt(std::string(kind->Kind().keyword));
        if (!why.isEmpty())
            return Refuse(file, "kind \"" + keyword + "\" left out: " + why);
        types_.ADD(kind);
        report.origins.push_back(file);
    }
    void Refuse(const QString& file, const QString& reason) {
        report.refusals.push_back({file, reason});
    }

    LinkListCollection& types_;
    const std::int32_t mostKinds_;
};

} // namespace

KindPluginReport LoadKindPlugins(const QStringList& folders, LinkListCollection& types,
                                 std::int32_t mostKinds) {
    cPluginLoading loading(types, mostKinds);
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            loading.Load(dir.absoluteFilePath(name));
    }
    return loading.report;
}

void PrintRefusals(const KindPluginReport& report) {
    for (const KindPluginReport::Refusal& refusal : report.refusals)
        std::fprintf(stderr, "kestrune: %s: %s\n", qPrintable(refusal.file),
                     qPrintable(refusal.reason));
}
