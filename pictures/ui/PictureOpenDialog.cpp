#include "pictures/ui/PictureOpenDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

#include "kit/FileDialogClosing.h"
#include "kit/FileDialogColumns.h"
#include "pictures/PictureLoader.h"

namespace {
constexpr int kPreviewSide = 160;

// The size label of the preview; its text is one of the shared interface texts (a printf
// pattern with two integers).
QString sizeText(QSize size) {
    QString text = QCoreApplication::translate("Shared", " (%dx%d)", "65327");
    const qsizetype first = text.indexOf(QLatin1String("%d"));
    if (first >= 0) text.replace(first, 2, QString::number(size.width()));
    const qsizetype second = text.indexOf(QLatin1String("%d"), first < 0 ? 0 : first);
    if (second >= 0) text.replace(second, 2, QString::number(size.height()));
    return text;
}
}  // namespace

PictureOpenDialog::PictureOpenDialog(QWidget* parent) : QFileDialog(parent) {
    setObjectName("OpenPictureDialog1");
    // Qt's own dialog: the preview pane lives inside it. Any typed name is accepted so that
    // a missing file ends the command quietly instead of with the dialog's warning.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::AnyFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setSizeGripEnabled(true);
    setNameFilters(filterTexts());

    auto* pane = new QWidget(this);
    pane->setObjectName("PreviewPane");
    auto* column = new QVBoxLayout(pane);
    preview_ = new QLabel(pane);
    preview_->setObjectName("PreviewImage");
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::Box);
    previewSize_ = new QLabel(pane);
    previewSize_->setObjectName("PreviewSize");
    readOnly_ = new QCheckBox(
        QCoreApplication::translate("TfmShowPicture", "Open as &read-only", "ReadOnlyBox"), pane);
    readOnly_->setObjectName("ReadOnlyBox");
    column->addWidget(preview_);
    column->addWidget(previewSize_);
    column->addWidget(readOnly_);
    column->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);

    keepCompletionWithDialog(this);
    fitColumns();
    connect(this, &QFileDialog::filterSelected, this, &PictureOpenDialog::usePatterns);
    connect(this, &QFileDialog::currentChanged, this, &PictureOpenDialog::showPreview);
    usePatterns(filterTexts().first());
}

void PictureOpenDialog::setVisible(bool visible) {
    // Placed before it is shown, so that it appears where it stays.
    const bool opening = visible && !isVisible();
    if (opening) placeOverMainWindow();
    QFileDialog::setVisible(visible);
    // The file chosen last time is selected again without a change of the current file: the
    // preview shows it from the start rather than staying empty until another is clicked.
    if (opening) showPreview(selectedFiles().value(0));
}

// The dialog made wide enough for every column of its detailed list beside the preview.
void PictureOpenDialog::fitColumns() {
    fitDetailColumns(this, QStringLiteral("a picture of a long name.bmp"),
                     QStringLiteral("Windows BMP image"));
}

// Centred over the nearest shown window above the dialog (its own parent, the picture
// window, stays hidden until a picture is chosen), else over the active window; kept on
// the screen.
void PictureOpenDialog::placeOverMainWindow() {
    QWidget* over = parentWidget();
    while (over && !over->isVisible()) over = over->parentWidget();
    if (!over) over = QApplication::activeWindow();
    if (!over || over == this) return;
    QRect frame = frameGeometry();
    frame.moveCenter(over->window()->frameGeometry().center());
    if (QScreen* where = over->screen()) {
        const QRect screen = where->availableGeometry();
        frame.moveLeft(
            std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width() + 1)));
        frame.moveTop(
            std::max(screen.top(), std::min(frame.top(), screen.bottom() - frame.height() + 1)));
    }
    move(frame.topLeft());
}

QStringList PictureOpenDialog::filterTexts() {
    static const char* const filters[] = {"All (*.bmp;*.ico;*.emf;*.wmf)", "Bitmaps (*.bmp)",
                                          "Icons (*.ico)", "Enhanced Metafiles (*.emf)",
                                          "Metafiles (*.wmf)"};
    QStringList texts;
    for (const char* filter : filters)
        texts << QCoreApplication::translate("TfmShowPicture", filter, "OpenPictureDialog1");
    return texts;
}

QStringList PictureOpenDialog::patternsOf(const QString& filterText) {
    const qsizetype open = filterText.lastIndexOf('('), close = filterText.lastIndexOf(')');
    const QString inside =
        open >= 0 && close > open ? filterText.mid(open + 1, close - open - 1) : filterText;
    QStringList patterns;
    for (const QString& part : inside.split(QRegularExpression("[; ]"), Qt::SkipEmptyParts))
        patterns << part;
    return patterns;
}

QStringList PictureOpenDialog::activePatterns() const {
    if (auto* model = findChild<QFileSystemModel*>()) return model->nameFilters();
    return {};
}

void PictureOpenDialog::usePatterns(const QString& filterText) {
    // Qt reads only blank-separated patterns from a filter text; the list above separates
    // them by semicolons, so the file list is given the patterns itself.
    if (auto* model = findChild<QFileSystemModel*>()) model->setNameFilters(patternsOf(filterText));
}

void PictureOpenDialog::showPreview(const QString& path) {
    const QImage image = QFileInfo(path).isFile() ? loadPictureFile(path) : QImage();
    if (image.isNull()) {
        preview_->clear();
        previewSize_->clear();
        return;
    }
    const QImage shown = image.width() > kPreviewSide || image.height() > kPreviewSide
                             ? image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation)
                             : image;
    preview_->setPixmap(QPixmap::fromImage(shown));
    previewSize_->setText(sizeText(image.size()));
}
