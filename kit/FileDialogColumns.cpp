#include "kit/FileDialogColumns.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <iterator>

namespace {
// Pixels around a cell's text in the file list (its icon, margins).
constexpr int kCellPadding = 32;
}  // namespace

void fitDetailColumns(QFileDialog* dialog, const QString& longName, const QString& longType) {
    auto* list = dialog->findChild<QTreeView*>();
    if (!list) return;
    QHeaderView* header = list->header();
    const QFontMetrics metrics(list->font());
    // The widest date of the short format: two-digit day and month, the last second of a day.
    const QString date =
        QLocale().toString(QDateTime(QDate(2028, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat);
    const QString widest[] = {longName, QStringLiteral("1023.99 KiB"), longType, date};
    int columns = 0;
    for (int i = 0; i < header->count() && i < int(std::size(widest)); ++i) {
        const int section = std::max(metrics.horizontalAdvance(widest[i]) + kCellPadding,
                                     header->sectionSizeHint(i));
        header->resizeSection(i, section);
        columns += section;
    }
    // The rest of the dialog (folder panel, side panes, margins) as its layout asks for it.
    const int rest = dialog->sizeHint().width() - list->sizeHint().width();
    int wanted = rest + columns + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (QScreen* where = dialog->screen())
        wanted = std::min(wanted, where->availableGeometry().width());
    if (wanted > dialog->width()) dialog->resize(wanted, dialog->height());
}
