#pragma once
#include <QMainWindow>

#include "app/AppContext.h"

class DocumentArea;

class TfmForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmForm1(QWidget* parent = nullptr);
    AppContext& app() { return app_; }
    DocumentArea* documents() const { return documents_; }
    void createWindows();

private:
    AppContext app_;
    DocumentArea* documents_;
};
