#pragma once
// The client area of the main window: the text document windows, the running window number
// and the report protocol every report writer uses.
#include <QMdiArea>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class AppContext;
class TextWindow;

class DocumentArea : public QMdiArea {
    Q_OBJECT
public:
    explicit DocumentArea(AppContext& app, QWidget* parent = nullptr);

    // Running number of text document windows: 0 after start-up, never reset or reused.
    int windowNumber() const { return WindowNumber; }

    // A title pattern: the title for window number n.
    using TitlePattern = std::function<QString(int n)>;

    // The report protocol: create a new window (shown and active), add 1 to WindowNumber,
    // set the title from the pattern, clear, append the lines in order.
    TextWindow* publishReport(const TitlePattern& title, const std::vector<std::string>& lines);
    // The first three steps only, for Open text; the window starts empty.
    TextWindow* createDocument(const TitlePattern& title);

    // The active text document window, or null.
    TextWindow* activeDocument() const;
    QList<TextWindow*> documents() const;

    // The window commands; each does nothing without windows.
    // Cascade: each window offset one cascade step down and right from the previous one and
    // reaching the bottom-right corner of the client area, the active one last and on top.
    void cascadeDocuments();
    void tileDocuments();  // full-width windows stacked top to bottom
    void nextDocument();
    void previousDocument();
    void closeActiveDocument();

    // The offset between two cascaded windows: one title bar, so that every title shows.
    int cascadeStep() const;

signals:
    void documentCreated(TextWindow* document);

protected:
    // The background is one gradient over the whole viewport, whatever part is repainted.
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    AppContext& app_;
    int WindowNumber = 0;
    int placementStep_ = 0;
};
