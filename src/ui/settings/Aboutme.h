#pragma once

#include <QDialog>

namespace Ui {
class Aboutme;
}

// The program's name, version and logo, as the configured edition shows them.
class Aboutme : public QDialog
{
    Q_OBJECT
public:
    // Where the program and its updates are downloaded.
    static const QLatin1String kDownloadUrl;

    explicit Aboutme(QWidget* parent = nullptr);
    ~Aboutme() override;

private:
    Ui::Aboutme* ui;
};
