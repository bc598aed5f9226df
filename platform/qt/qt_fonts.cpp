#include "platform/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>

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
    for (const QString& family : QFontDatabase::families())
        out.push_back(family.toStdString());
    // Metric-compatible aliases that fontconfig defines (e.g. "Arial" for Liberation Sans)
    // are to be added here.
    return out;
}

} // namespace platform::qt
