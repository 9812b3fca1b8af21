#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "font/FontTables.h"

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

// The one window: owns the font tables and every control, and conducts between the controls' events
// and the core. Its handlers are named after the control and the event.
class frmFont : public QWidget {
    Q_OBJECT

  public:
    // Where failures are reported: a title and the error's description.
    using ErrorSink = std::function<void(const QString& title, const QString& text)>;

    explicit frmFont(QWidget* parent = nullptr);
    ~frmFont() override;

    FontTables& tables() { return tables_; }
    const FontTables& tables() const { return tables_; }
    // Replaces the modal critical message box, e.g. to collect the messages.
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

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

  private:
    void createControls();
    void applyInitialProperties();
    void bindControls();
    void connectHandlers();
    void orderTabs();
    void startUp();
    void startFileSelector();

    void showKind(std::optional<int> kind);
    void showConjunctPair(int Index);
    // Runs a handler's work; a failure is reported under `title`, the program goes on, and false comes back.
    bool runReported(const QString& title, const std::function<void()>& work);

    FontTables tables_;
    ErrorSink errorSink_;

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

    std::unique_ptr<editor::LedCanvas> canvas_;
};

}  // namespace ledfont::ui
