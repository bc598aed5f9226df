#include "platform/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>

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

std::vector<String> InstalledFontFamilies()
{
    std::vector<String> out;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families)
        out.push_back(family.toStdString());

    // A classic family that fontconfig binds to a metric-compatible installed face counts as
    // installed: text laid out for it keeps its widths.
    static const struct {
        const char* classic;
        const char* compatible[3];
    } aliases[] = {
        {"Arial", {"Liberation Sans", "Arimo", "Albany"}},
        {"Helvetica", {"Liberation Sans", "Arimo", "Albany"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "Thorndale"}},
        {"Times", {"Liberation Serif", "Tinos", "Thorndale"}},
        {"Courier New", {"Liberation Mono", "Cousine", "Cumberland"}},
        {"Courier", {"Liberation Mono", "Cousine", "Cumberland"}},
        {"Arial Narrow", {"Liberation Sans Narrow", nullptr, nullptr}},
        {"Cambria", {"Caladea", nullptr, nullptr}},
        {"Calibri", {"Carlito", nullptr, nullptr}},
    };
    for (const auto& alias : aliases) {
        const QString classic = QLatin1String(alias.classic);
        if (families.contains(classic, Qt::CaseInsensitive))
            continue;
        const QString bound = QFontInfo(QFont(classic)).family();
        for (const char* compatible : alias.compatible)
            if (compatible && bound.compare(QLatin1String(compatible), Qt::CaseInsensitive) == 0)
                out.push_back(alias.classic);
    }
    return out;
}

} // namespace platform::qt
