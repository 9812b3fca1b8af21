#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/EditSession.h"
#include "editor/GlyphTransfer.h"
#include "font/FontTables.h"
#include "ui/Layout.h"

class QAction;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ledfont::editor {
class LedCanvas;
}

namespace ledfont::ui {

class CanvasWidget;
class ListCombo;

// The one window: owns the edit session (the font document, the glyph shown) and every control, and
// conducts between the controls' events and the core. Its handlers are named after the control and the event.
class frmFont : public QWidget {
    Q_OBJECT

  public:
    // Where failures are reported: a title and the error's description.
    using ErrorSink = std::function<void(const QString& title, const QString& text)>;
    // Where questions are asked: title, text, the buttons offered and the default one; gives the answer.
    using QuestionSink = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)>;

    explicit frmFont(QWidget* parent = nullptr);
    ~frmFont() override;

    // The twips-to-pixel ratio the window chose for its font.
    const TwipsScale& scale() const { return scale_; }
    editor::EditSession& session() { return session_; }
    const FontDocument& document() const { return session_.document; }
    // Replaces the modal critical message box, e.g. to collect the messages.
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
    // Replaces the modal question box.
    void setQuestionSink(QuestionSink sink) { questionSink_ = std::move(sink); }
    // Where results are shown: a title and the text (the information box by default).
    void setReportSink(ErrorSink sink) { reportSink_ = std::move(sink); }
    // Asks for a file to open: a title and the file to start at; an empty answer is a cancel.
    using FileChooser = std::function<QString(const QString& title, const QString& start)>;
    void setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

    // The file the tables were loaded from or last saved to; empty before the first load.
    const std::string& documentFile() const { return session_.document.documentFile(); }
    // True when the tables differ from what was last loaded or saved, or the canvas and the editing
    // controls from the glyph they show.
    bool hasUnsavedChanges() const;

    // Shows glyph Index on the canvas and the editing controls.
    void LoadCharacter(int Index);
    // Stores the canvas and the editing controls into glyph Index; a failure writes nothing.
    void SaveCharacter(int Index);

    void pic_MouseDown(int button, int shift, float x, float y);
    void pic_MouseMove(int button, int shift, float x, float y);
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

  protected:
    // Asks before unsaved work is dropped; Cancel, or a save that fails, keeps the window open.
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createActions();
    void applyInitialProperties();
    void bindControls();
    void connectHandlers();
    void orderTabs();
    void startUp();
    void startFileSelector();
    // Chooses the scale at which every caption fits the font the window shows in, and lays out at it.
    void fitToFont();

    void showKind(std::optional<int> kind);
    void showConjunctPair(int Index);
    // Runs a handler's work; a failure is reported under `title`, the program goes on, and false comes back.
    bool runReported(const QString& title, const std::function<void()>& work);

    // What storing the glyph shown would write, read from the canvas into `map` and from the controls.
    editor::GlyphRecord recordFromControls(CharMapArray& map) const;
    bool canvasChanged() const;
    void rememberShownGlyph();
    // Asks what must be asked, saves the tables to `target` and reports a failure; false when nothing was
    // saved.
    bool saveFontTo(const std::string& target);
    // Asks before `target`, an existing file other than the document's, is replaced.
    bool confirmReplace(const std::string& target, const std::string& documentTarget, const QString& what);
    // Asks before a save writes fewer values than `target` holds.
    bool confirmDroppedValues(const std::string& target);
    bool ask(const QString& text);

    TwipsScale scale_;
    const FontTables& font() const { return session_.document.tables(); }

    editor::EditSession session_;
    ErrorSink errorSink_;
    QuestionSink questionSink_;
    ErrorSink reportSink_;
    FileChooser fileChooser_;

    std::optional<editor::GlyphRecord> shownRecord_;

    CanvasWidget* pic = nullptr;
    QWidget* shpCentre = nullptr;
    ListCombo* cmbCols = nullptr;
    ListCombo* cmbCentre = nullptr;
    std::array<ListCombo*, kPairBytes> cmbJuk{};
    std::array<QLineEdit*, kPairBytes> txtJukta{};
    QRadioButton* optConst = nullptr;
    QRadioButton* optVowel = nullptr;
    QRadioButton* optIkaar = nullptr;
    QLabel* lblLoc = nullptr;
    QPushButton* cmdShowDec = nullptr;
    QPushButton* cmdShowInc = nullptr;
    QWidget* FrameJ = nullptr;
    QRadioButton* optJukta = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdConvertToHex = nullptr;
    QPushButton* Command1 = nullptr;
    QAction* actVerifyHex = nullptr;

    std::unique_ptr<editor::LedCanvas> canvas_;
};

}  // namespace ledfont::ui
