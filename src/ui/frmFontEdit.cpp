#include <QAction>

#include <stdexcept>
#include <variant>

#include "compose/ConjunctFrequency.h"
#include "compose/Utf8.h"
#include "editor/GlyphTarget.h"
#include "import/ConjunctFill.h"
#include "import/GlyphImport.h"
#include "import/SourceFile.h"
#include "ui/QtConvert.h"
#include "ui/frmFont.h"

// The commands that ask before they edit: going to a glyph, choosing the underlay, importing glyphs.
namespace ledfont::ui {

namespace {

// The conjuncts of the shipped Hindi text, most frequent first, as `ledfont import` fills them by default.
std::vector<import::ConjunctPair> shippedConjuncts() {
    std::vector<import::ConjunctPair> pairs;
    for (const compose::ConjunctCount& c :
         compose::rankConjuncts(compose::decodeUtf8(compose::shippedHindiText()))) {
        pairs.push_back({static_cast<std::uint8_t>(c.first), static_cast<std::uint8_t>(c.second)});
    }
    return pairs;
}

}  // namespace

std::optional<int> frmFont::askGlyph(const QString& title, const QString& label) {
    const QString text = textAsker_(title, label);
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const auto target = editor::glyphTarget(toStdString(text), editor_.kind(), &editor_.font());
    if (const auto* why = std::get_if<std::string>(&target)) {
        errorSink_(title, toQString(*why));
        return std::nullopt;
    }
    return std::get<int>(target);
}

void frmFont::actGoToGlyph_Triggered() {
    if (const auto glyph = askGlyph(
            QStringLiteral("Go to Glyph"),
            QStringLiteral(
                "Glyph index (21 or 0x15), code (Code: 0915 or U+0915), Devanagari letter or conjunct "
                "(\u0915\u094D\u0937):"))) {
        goToGlyph(*glyph);
    }
}

void frmFont::actUnderlay_Toggled(bool on) {
    underlay_ = on;
    updateUnderlay();
}

void frmFont::actUnderlayConsonant_Triggered() {
    const auto glyph = askGlyph(
        QStringLiteral("Underlay Consonant"),
        QStringLiteral("Glyph drawn under matras: index (22 or 0x16), code (Code: 0916) or letter:"));
    if (!glyph) {
        return;
    }
    underlayGlyph_ = *glyph;
    // Choosing a consonant to see is choosing to see it.
    actions_.value(QStringLiteral("actUnderlay"))->setChecked(true);
    updateUnderlay();
}

void frmFont::actImportGlyphs_Triggered() {
    const FontKind kind = editor_.kind();
    const std::optional<ImportChoice> chosen = importChooser_(kind);
    if (!chosen) {
        return;
    }
    const QString title = QStringLiteral("Import Glyphs");
    try {
        for (const auto& [first, last] : chosen->ranges) {
            if (last >= glyphCount(kind)) {
                throw std::out_of_range("glyph " + std::to_string(last) + " is outside 0.." +
                                        std::to_string(glyphCount(kind) - 1) + " of this font");
            }
        }
        const import::OpenedSource opened =
            chosen->file.isEmpty() ? import::openSystemFont(toStdString(chosen->family), chosen->pixelSize)
                                   : import::openSourceFile(toStdString(chosen->file), chosen->pixelSize);
        FontTables imported = editor_.font();
        // A Jukta512 font's conjunct glyphs without a pair get conjuncts, as the command line's import gives
        // them.
        const import::FontImportReport whole = import::importFont(
            imported, kind, *opened.source, import::GlyphSelection{chosen->ranges, chosen->onlyEmpty},
            kind == FontKind::Jukta512 ? shippedConjuncts() : std::vector<import::ConjunctPair>{},
            import::ConjunctSlots::Unpaired);
        const import::ImportReport& report = whole.glyphs;
        const std::size_t asked = report.imported.size() + report.missing.size() + report.empty.size();
        if (report.imported.empty()) {
            // Nothing changed, so there is no step to undo.
            errorSink_(title, QStringLiteral("No glyphs imported (%1 asked for).").arg(asked));
            return;
        }
        editor_.importFont(imported);
        QString text = QStringLiteral("%1 of %2 glyphs imported.").arg(report.imported.size()).arg(asked);
        if (!report.missing.empty()) {
            text += QStringLiteral(" %1 the source lacks were left as they were.").arg(report.missing.size());
        }
        if (!report.empty.empty()) {
            text +=
                QStringLiteral(" %1 empty in the source were left as they were.").arg(report.empty.size());
        }
        if (!whole.conjuncts.fillable.empty()) {
            text += QStringLiteral(
                        " %1 of %2 conjunct glyphs without a pair were given the most frequent conjuncts.")
                        .arg(whole.conjuncts.filled.size())
                        .arg(whole.conjuncts.fillable.size());
        }
        reportSink_(title, text);
    } catch (const std::exception& error) {
        errorSink_(title, QString::fromUtf8(error.what()));
    }
}

}  // namespace ledfont::ui
