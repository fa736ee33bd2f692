// The folder picker's window "OpenFolder": the folder tree of the file
// system with an edit box showing (and accepting) the selected path.
// "OK" answers 1, "Отмена" 7.
#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

class TOFFrm : public QDialog {
    Q_OBJECT
public:
    explicit TOFFrm(QWidget *parent = nullptr, bool withFiles = false);

    QString OpenAt; // folder to select when the window opens (empty: home)

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QTreeView *ShellTreeView1 = nullptr;
    QPushButton *SpeedButton1 = nullptr; // "Создать папку"
    QPushButton *SpeedButton2 = nullptr; // "OK"
    QPushButton *SpeedButton3 = nullptr; // "Отмена"

    // Replaces the prompt; a prompt of two lines pushes the rest of the
    // window down instead of being cut off.
    void SetTitle(const QString &title);

    // Selects a folder in the tree, opening its parents; false when the
    // path is not in the tree.
    bool SelectPath(const QString &path);
    // The path of the selected node; empty without a selection.
    QString SelectedPath() const;

    void FormShow();
    void ShellTreeView1Change();
    void Edit1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void LayOut();

    QFileSystemModel *m_model = nullptr;
};
