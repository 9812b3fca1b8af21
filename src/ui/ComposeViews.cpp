#include "ui/ComposeViews.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "compose/Picture.h"
#include "compose/Sheet.h"
#include "compose/Warnings.h"
#include "font/GlyphCode.h"
#include "font/TextToByte.h"
#include "import/GlyphSource.h"
#include "import/OutlineFont.h"
#include "import/SourceDrawing.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {

namespace {

// "Namaste. This is Hindi." in Hindi: consonants, vowel signs, an Ikaar and conjuncts.
const QString kSample = QStringLiteral("नमस्ते, यह हिन्दी है");
constexpr int kPanelColumns = 32;
// A picture of a longer text shows its start: a window need not hold the pixels of a whole page.
constexpr int kShownColumns = 4096;
// Four panels, the spin box's first choice, fit at the LEDs' size.
constexpr int kWindowWidth = 4 * kPanelColumns * compose::kPreviewPitch + 60;

}  // namespace

QImage toQImage(const compose::Image& image) {
    QImage out(reinterpret_cast<const uchar*>(image.bytes().data()), image.width(), image.height(),
               image.width() * 3, QImage::Format_RGB888);
    return out.copy();  // the composer's bytes go with it
}

PreviewWindow::PreviewWindow(FontSource font, QWidget* parent)
    : QWidget(parent, Qt::Window), font_(std::move(font)) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Text Preview"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    text_ = new QLineEdit(kSample);
    text_->setObjectName(QStringLiteral("txtPreview"));
    panels_ = new QSpinBox;
    panels_->setObjectName(QStringLiteral("spnPanels"));
    panels_->setRange(1, 64);
    panels_->setValue(4);
    form->addRow(QStringLiteral("&Text:"), text_);
    form->addRow(QStringLiteral("&Panels (32 columns each):"), panels_);
    source_ = new QComboBox;
    source_->setObjectName(QStringLiteral("cmbSource"));
    source_->addItem(QStringLiteral("(none)"));
    for (const std::string& family : import::devanagariFamilies()) {
        source_->addItem(toQString(family));
    }
    form->addRow(QStringLiteral("&Source font below:"), source_);
    layout->addLayout(form);
    strip_ = new QLabel;
    strip_->setObjectName(QStringLiteral("lblStrip"));
    // The strip scrolls inside a window of its own size, however long the text grows.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrStrip"));
    scroll->setWidget(strip_);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Room for the source's drawing under the strip.
    const int stripHeight = 2 * kGlyphRows * compose::kPreviewPitch + 3 * compose::kPreviewPitch;
    scroll->setFixedHeight(stripHeight + scroll->horizontalScrollBar()->sizeHint().height() +
                           2 * scroll->frameWidth());
    layout->addWidget(scroll);
    missing_ = new QListWidget;
    missing_->setObjectName(QStringLiteral("lstMissing"));
    missing_->setMaximumHeight(90);
    layout->addWidget(missing_);
    connect(text_, &QLineEdit::textChanged, this, &PreviewWindow::refresh);
    connect(panels_, &QSpinBox::valueChanged, this, &PreviewWindow::refresh);
    connect(source_, &QComboBox::currentIndexChanged, this, &PreviewWindow::refresh);
    resize(kWindowWidth, sizeHint().height());
    refresh();
}

PreviewWindow::~PreviewWindow() = default;

const import::SourceDrawing* PreviewWindow::sourceFor(const Glyph& ka) {
    const std::string family =
        source_->currentIndex() <= 0 ? std::string() : toStdString(source_->currentText());
    if (family.empty()) {
        drawing_.reset();
    } else if (!drawing_ || family != drawingFamily_ || ka != drawingKa_) {
        drawing_.reset();
        drawing_ = std::make_unique<import::SourceDrawing>(family, ka, 0);
    }
    drawingFamily_ = family;
    drawingKa_ = ka;
    return drawing_.get();
}

void PreviewWindow::refresh() {
    const FontTables tables = font_();
    const FontKind kind = kindOf(tables.JuktaMode);
    const compose::ComposeFont font(tables, kind);
    const std::u32string text = text_->text().toStdU32String();
    const compose::Strip strip = compose::composeText(font, text);
    const int signColumns = panels_->value() * kPanelColumns;
    missing_->clear();
    std::vector<std::uint16_t> drawn;
    const std::vector<std::uint16_t>* below = nullptr;
    try {
        if (const import::SourceDrawing* source = sourceFor(font.glyph(0x15))) {
            drawn = source->draw(text);
            below = &drawn;
        }
    } catch (const import::SourceError& e) {
        missing_->addItem(QStringLiteral("the source cannot be drawn: %1").arg(toQString(e.what())));
    }
    compose::Strip shown = strip;
    if (compose::pictureColumns(strip, signColumns) > kShownColumns) {
        shown.columns.resize(static_cast<std::size_t>(kShownColumns));
        drawn.resize(std::min(drawn.size(), static_cast<std::size_t>(kShownColumns)));
        missing_->addItem(QStringLiteral("the picture shows the first %1 of the text's %2 columns")
                              .arg(kShownColumns)
                              .arg(strip.width()));
    }
    strip_->setPixmap(QPixmap::fromImage(toQImage(compose::drawStripAbove(shown, below, signColumns))));
    strip_->adjustSize();
    for (std::size_t at : strip.missing) {
        missing_->addItem(QStringLiteral("no glyph for %1 (%2)")
                              .arg(toQString(codePointName(text[at])), QString::fromUcs4(&text[at], 1)));
    }
    for (std::size_t at : strip.fallbacks) {
        missing_->addItem(QStringLiteral("no conjunct glyph for %1, drawn with the halant")
                              .arg(QString::fromUcs4(&text[at - 1], 3)));
    }
    // A glyph not drawn yet shows only as a gap; say which.
    for (const compose::Placement& placed : compose::emptyGlyphsPlaced(font, strip)) {
        const int codes = placed.glyph >= compose::kFirstConjunct ? 3 : 1;  // a conjunct stands for three
        missing_->addItem(
            QStringLiteral("%1 is empty (%2)")
                .arg(QString::fromUcs4(&text[placed.at], codes), toQString(glyphCode(kind, placed.glyph))));
    }
    if (strip.width() > signColumns) {
        missing_->addItem(QStringLiteral("the text is %1 columns wide, wider than the sign's %2")
                              .arg(strip.width())
                              .arg(signColumns));
    }
}

OverviewWindow::OverviewWindow(FontSource font, QWidget* parent)
    : QScrollArea(parent), font_(std::move(font)) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmOverview"));
    setWindowTitle(QStringLiteral("Font Overview"));
    sheet_ = new QLabel;
    sheet_->setObjectName(QStringLiteral("lblSheet"));
    sheet_->installEventFilter(this);
    setWidget(sheet_);
    resize(860, 700);
    refresh();
}

void OverviewWindow::refresh() {
    const FontTables tables = font_();
    kind_ = kindOf(tables.JuktaMode);
    const QImage image = toQImage(compose::drawSheet(tables, kind_, compose::glyphWarnings(tables, kind_)));
    sheet_->setPixmap(QPixmap::fromImage(image));
    sheet_->resize(image.size());
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sheet_ && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (const int glyph = compose::sheetGlyphAt(kind_, at.x(), at.y()); glyph >= 0) {
            emit glyphClicked(glyph);
        }
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace ledfont::ui
