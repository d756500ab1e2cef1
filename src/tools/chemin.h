#pragma once
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"

#include <QHash>

// Where the combat report is written. The dialog is only ever hidden, so the path once
// confirmed stays for every later fight; `flag` reads "1" from then on.
class Chemin : public Form {
    Q_OBJECT
public:
    Chemin();
    void Form_Load() override;

    DriveListBox* drive;
    DirListBox* Dir;
    TextBox* file;
    Label *cheminfichier, *Label1, *flag;
    CommandButton* ok;

    void drive_Change();
    void Dir_Change();
    void file_Change();
    void Label1_Click();
    void ok_Click();

    // The path confirmed by Ok; empty until then.
    const QString& confirmedPath() const { return confirmed_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showPath();
    QString confirmed_;
    QHash<QString, QString> lastFolder_; // per drive, the folder `Dir` last showed there
};

inline Chemin& chemin() {
    return forms::get<Chemin>();
}

// The file the combat report goes to: the path confirmed in the dialog, or "c:\resultat.txt".
QString cheminRapport();
