#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/CanvasView.h"
#include "editor/GlyphEditor.h"
#include "editor/GlyphTools.h"
#include "ui/ImportDialog.h"
#include "ui/Layout.h"

class QAction;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ledfont::ui {

class CanvasWidget;
class FileSelector;
class OverviewWindow;
class PreviewWindow;
class ListCombo;

// The consonant drawn under a vowel sign or an Ikaar until another is chosen: KA, U+0915.
constexpr int kUnderlayGlyph = 0x15;

// The clipboard format of a copied glyph: its 34 record bytes and its 2 pair bytes, exactly.
inline const QString kGlyphMime = QStringLiteral("application/x-ledfont-glyph");

// The one window: shows the editing session (the GlyphEditor, which owns the font and the glyph being
// edited) in its controls and hands every control's event to it. Its handlers are named after the control
// and the event; render() fills the controls from the editor.
class frmFont : public QWidget {
    Q_OBJECT

  public:
    // Where failures are reported: a title and the error's description.
    using ErrorSink = std::function<void(const QString& title, const QString& text)>;
    // Where questions are asked: title, text, the buttons offered and the default one; gives the answer.
    using QuestionSink = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)>;
    // Asks for a file: a title and the file to start at; an empty answer is a cancel.
    using FileChooser = std::function<QString(const QString& title, const QString& start)>;
    // Asks for a line of text: a title and a label; an empty answer is a cancel.
    using TextAsker = std::function<QString(const QString& title, const QString& label)>;
    // Asks what to import into a font of the kind given; nothing is a cancel.
    using ImportChooser = std::function<std::optional<ImportChoice>(FontKind kind)>;

    explicit frmFont(QWidget* parent = nullptr);
    ~frmFont() override;

    // The twips-to-pixel ratio the window chose for its font.
    const TwipsScale& scale() const { return scale_; }
    // What the window shows.
    const editor::GlyphEditor& editor() const { return editor_; }
    // Replace the modal boxes and dialogs, e.g. to answer them in tests. The report sink shows results
    // (the information box by default), the save chooser asks for a file to save to.
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
    void setQuestionSink(QuestionSink sink) { questionSink_ = std::move(sink); }
    void setReportSink(ErrorSink sink) { reportSink_ = std::move(sink); }
    void setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    void setSaveChooser(FileChooser chooser) { saveChooser_ = std::move(chooser); }
    void setTextAsker(TextAsker asker) { textAsker_ = std::move(asker); }
    void setImportChooser(ImportChooser chooser) { importChooser_ = std::move(chooser); }

    // The file the tables were loaded from or last saved to; empty before the first load.
    const std::string& documentFile() const { return editor_.document().documentFile(); }
    // True when the tables differ from what was last loaded or saved, or the draft from the glyph shown.
    bool hasUnsavedChanges() const { return editor_.modified(); }

    // Shows glyph Index on the canvas and the editing controls.
    void LoadCharacter(int Index);
    // Stores the canvas and the editing controls into glyph Index; a failure writes nothing.
    void SaveCharacter(int Index);

    void pic_MouseDown(int button, int shift, float x, float y);
    void pic_MouseMove(int button, int shift, float x, float y);
    void pic_MouseUp();
    void cmbCols_Click();
    void cmbCentre_Click();
    void cmbJuk_Click(int Index);
    void cmdShowDec_Click();
    void cmdShowInc_Click();

    // Font files: a load reads and converts the whole file before it stores anything, so a failure leaves
    // the tables as they were. LoadFontJukta reports its own failure and returns false.
    void LoadFont(const std::string& fn);
    bool LoadFontJukta(const std::string& fn);
    void SaveFont(const std::string& fn);
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdConvertToHex_Click();
    void Command1_Click();
    // File > Verify HEX File...: compares the tables as last stored with a chosen HEX file; nothing changes.
    void actVerifyHex_Triggered();
    // File > Export for Firmware...: the stored tables' image as C, binary or S-records by the extension.
    void actExport_Triggered();

    // The menu's actions beyond the buttons (see createActions for their names and shortcuts).
    void actOpenFont_Triggered();
    void actSaveAs_Triggered();
    void actUndo_Triggered();
    void actRedo_Triggered();
    void actCopyGlyph_Triggered();
    void actPasteGlyph_Triggered();
    void applyTool(editor::GlyphTool tool);
    void actGoToGlyph_Triggered();
    // File > Import Glyphs...: one undo step; the glyph shown is shown again from the imported font.
    void actImportGlyphs_Triggered();
    // View > Text Preview and Font Overview: windows of their own that follow the font and the canvas.
    void actPreview_Triggered();
    void actOverview_Triggered();
    void actUnderlay_Toggled(bool on);
    // View > Underlay Consonant...: which glyph the underlay draws, asked as Go to Glyph asks.
    void actUnderlayConsonant_Triggered();
    int underlayGlyph() const { return underlayGlyph_; }

  protected:
    // Asks before unsaved work is dropped; Cancel, or a save that fails, keeps the window open.
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createActions();
    QAction* addAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                       const std::function<void()>& handler);
    void applyInitialProperties();
    void bindControls();
    void connectHandlers();
    void orderTabs();
    void startUp();
    void startFileSelector();
    // Chooses the scale at which every caption fits the font the window shows in, and lays out at it.
    void fitToFont();

    // Fills the controls from the editor; the canvas view draws the canvas itself.
    void render(editor::GlyphEditor::Change change);
    void renderGlyph();
    // Enables each action exactly when it can do something, and shows the underlay.
    void updateActions();
    void updateUnderlay();
    // Runs a handler's work; a failure is reported under `title`, the program goes on, and false comes back.
    bool runReported(const QString& title, const std::function<void()>& work);

    // Asks what must be asked, saves the tables to `target` and reports a failure; false when nothing was
    // saved.
    bool saveFontTo(const std::string& target);
    // Asks before `target`, an existing file other than the document's, is replaced.
    bool confirmReplace(const std::string& target, const std::string& documentTarget, const QString& what);
    // Asks before a save writes fewer values than `target` holds.
    bool confirmDroppedValues(const std::string& target);
    bool ask(const QString& text);
    // Before unsaved work would be dropped: asks to save it, and saves; false when the user cancels or the
    // save fails, and the work must stay.
    bool settleUnsavedWork();
    // "Load" once the work shown is settled: reads the file clicked as the kind chosen.
    void loadChosenFont();
    // Asks for a glyph as Go to Glyph does; a cancel, or a text naming no glyph (reported), gives nothing.
    std::optional<int> askGlyph(const QString& title, const QString& label);
    // Stores the glyph shown and shows glyph `index`, as stepping does.
    void goToGlyph(int index);

    TwipsScale scale_;
    editor::GlyphEditor editor_;
    std::unique_ptr<editor::CanvasView> canvasView_;
    ErrorSink errorSink_;
    QuestionSink questionSink_;
    ErrorSink reportSink_;
    FileChooser fileChooser_;
    FileChooser saveChooser_;
    TextAsker textAsker_;
    ImportChooser importChooser_;
    FileSelector* fileSelector_ = nullptr;
    // Set while render() fills the controls, whose own change signals then are no user's edit.
    bool rendering_ = false;
    bool underlay_ = false;
    int underlayGlyph_ = kUnderlayGlyph;

    CanvasWidget* pic = nullptr;
    QWidget* shpCentre = nullptr;
    ListCombo* cmbCols = nullptr;
    ListCombo* cmbCentre = nullptr;
    std::array<ListCombo*, kPairBytes> cmbJuk{};
    std::array<QLineEdit*, kPairBytes> txtJukta{};
    std::array<QRadioButton*, 3> optKind{};  // optConst, optVowel, optIkaar
    QLabel* lblLoc = nullptr;
    QPushButton* cmdShowDec = nullptr;
    QPushButton* cmdShowInc = nullptr;
    QWidget* FrameJ = nullptr;
    QRadioButton* optJukta = nullptr;
    QRadioButton* optHindi = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdConvertToHex = nullptr;
    QPushButton* Command1 = nullptr;
    QHash<QString, QAction*> actions_;
    PreviewWindow* preview_ = nullptr;
    OverviewWindow* overview_ = nullptr;
};

}  // namespace ledfont::ui
