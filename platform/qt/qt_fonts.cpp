#include "platform/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSet>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform::qt {

namespace {

// Classic desktop families, so that where fontconfig knows no alias for one the substitute
// is at least of the same kind.
QFont::StyleHint hintFor(const QString& family)
{
    static const struct {
        const char* family;
        QFont::StyleHint hint;
    } kinds[] = {
        {"times", QFont::Serif},         {"new york", QFont::Serif},    {"palatino", QFont::Serif},
        {"georgia", QFont::Serif},       {"geneva", QFont::SansSerif},  {"helvetica", QFont::SansSerif},
        {"arial", QFont::SansSerif},     {"chicago", QFont::SansSerif}, {"charcoal", QFont::SansSerif},
        {"lucida grande", QFont::SansSerif}, {"monaco", QFont::TypeWriter}, {"courier", QFont::TypeWriter},
    };
    const QString lower = family.toLower();
    for (const auto& k : kinds)
        if (lower == QLatin1String(k.family))
            return k.hint;
    return QFont::AnyStyle;
}

} // namespace

QFont FontFor(const String& family, Double pixelSize)
{
    const QString name = QString::fromStdString(family);
    QFont font = QApplication::font();
    if (!name.isEmpty() && name.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0) {
        font = QFont(name);
        font.setStyleHint(hintFor(name));
    }
    const long pixels = std::lround(pixelSize);
    if (pixels >= 1)
        font.setPixelSize(static_cast<int>(pixels));
    return font;
}

namespace {

// For each name, the installed family that fontconfig's configuration puts in its place: the
// first installed one among the families its substitution rules list after the name. One
// substitution of all the names at once reads the rules once, far cheaper than font matches.
std::vector<QString> boundFamilies(const std::vector<const char*>& names, const QSet<QString>& installed)
{
    std::vector<QString> bound(names.size());
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return bound;
    for (const char* name : names)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    // A classic name can lead to another (Helvetica to Arial): all names met since the last
    // installed family are bound to the next one.
    std::vector<size_t> pending;
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(family));
        auto named = std::find_if(names.begin(), names.end(), [&](const char* n) {
            return candidate.compare(QLatin1String(n), Qt::CaseInsensitive) == 0;
        });
        if (named != names.end()) {
            pending.push_back(size_t(named - names.begin()));
        } else if (installed.contains(candidate.toLower())) {
            for (size_t index : pending)
                if (bound[index].isEmpty())
                    bound[index] = candidate;
            pending.clear();
        }
    }
    FcPatternDestroy(pattern);
    return bound;
}

std::vector<String> listFamilies()
{
    std::vector<String> out;
    const QStringList families = QFontDatabase::families();
    QSet<QString> installed; // lower case, without the "[foundry]" that tells duplicates apart
    for (const QString& family : families) {
        out.push_back(family.toStdString());
        installed.insert(family.section(QLatin1String(" ["), 0, 0).toLower());
    }

    // A classic family that fontconfig binds to a metric-compatible installed face counts as
    // installed: text laid out for it keeps its widths.
    static const struct {
        const char* classic;
        const char* compatible[6];
    } aliases[] = {
        {"Arial", {"Liberation Sans", "Arimo", "Albany", "Nimbus Sans", "TeX Gyre Heros"}},
        {"Helvetica", {"Nimbus Sans", "TeX Gyre Heros", "Liberation Sans", "Arimo", "Albany"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "Thorndale", "Nimbus Roman", "TeX Gyre Termes"}},
        {"Times", {"Nimbus Roman", "TeX Gyre Termes", "Liberation Serif", "Tinos", "Thorndale"}},
        {"Courier New", {"Liberation Mono", "Cousine", "Cumberland", "Nimbus Mono PS", "TeX Gyre Cursor"}},
        {"Courier", {"Nimbus Mono PS", "TeX Gyre Cursor", "Liberation Mono", "Cousine", "Cumberland"}},
        {"Arial Narrow", {"Liberation Sans Narrow", "Nimbus Sans Narrow"}},
        {"Cambria", {"Caladea"}},
        {"Calibri", {"Carlito"}},
    };
    std::vector<const char*> missing;
    std::vector<const char* const*> compatibles;
    for (const auto& alias : aliases) {
        if (!installed.contains(QString::fromLatin1(alias.classic).toLower())) {
            missing.push_back(alias.classic);
            compatibles.push_back(alias.compatible);
        }
    }
    const std::vector<QString> bound = boundFamilies(missing, installed);
    for (size_t i = 0; i < missing.size(); ++i)
        for (int k = 0; k < 6; ++k)
            if (compatibles[i][k] && bound[i].compare(QLatin1String(compatibles[i][k]), Qt::CaseInsensitive) == 0)
                out.push_back(missing[i]);
    return out;
}

} // namespace

std::vector<String> InstalledFontFamilies()
{
    // Kept until the font database changes: the list is read once per font test.
    static std::optional<std::vector<String>> cached;
    static bool watching = false;
    if (!watching && qApp) {
        QObject::connect(qApp, &QGuiApplication::fontDatabaseChanged, [] { cached.reset(); });
        watching = true;
    }
    if (!cached)
        cached = listFamilies();
    return *cached;
}

} // namespace platform::qt
