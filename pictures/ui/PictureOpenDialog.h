#pragma once
// OpenPictureDialog1: a file-open dialog for the four picture formats, with a preview pane
// that shows the selected picture and its size, and the usual read-only check box (which
// the program does not act on).
#include <QFileDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

class PictureOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit PictureOpenDialog(QWidget* parent = nullptr);

    // The file-type list: description with its patterns, in order.
    static QStringList filterTexts();
    // The patterns of one entry of the list: "All (*.bmp;*.ico)" -> {"*.bmp", "*.ico"}.
    static QStringList patternsOf(const QString& filterText);

    QLabel* preview() const { return preview_; }
    QLabel* previewSize() const { return previewSize_; }
    // The name filters the file list applies now.
    QStringList activePatterns() const;

    // Opens centred over the main window (and is made wide enough for every column of its
    // file list).
    void setVisible(bool visible) override;

private:
    void usePatterns(const QString& filterText);
    void showPreview(const QString& path);
    void fitColumns();
    void placeOverMainWindow();

    QLabel* preview_;
    QLabel* previewSize_;
    QCheckBox* readOnly_;
};
