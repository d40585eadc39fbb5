#pragma once

#include "ui/rows/CheckItemBase.h"

// A Holter recording in the record list: start, patient and total time.
// Its review opens the recording's summary.
class HolterWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit HolterWidget(QWidget* parent = nullptr);

    // The summary opens even for a missing recording, to show the patient.
    bool hasReport() const override { return record() != nullptr; }

    // What locates the recording file: data directory/sn/fileName.
    QString fileName() const;
    qint64 duration() const;
    // The ID line shows only for patients with an ID.
    bool showsId() const { return !m_user.medicalid.isEmpty(); }

public slots:
    // The summary stored the patient details of this recording.
    void onUserInfoChanged();

protected:
    void display() override;
};
