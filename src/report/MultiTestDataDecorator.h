#pragma once

#include "files/MultiTestRecord.h"

#include <QObject>
#include <QString>

// The display texts of one multi-test record, for its row and its report
// page. Each formatter returns value and unit joined, or, given a place for
// the unit, the value alone and the unit there. A missing or invalid value
// reads as the placeholder with no unit, and so does the verdict of a
// measurement the run did not take (all its fields zero).
class MultiTestDataDecorator : public QObject
{
    Q_OBJECT
public:
    explicit MultiTestDataDecorator(const MultiTestRecord& record, QObject* parent = nullptr);

    QString placeholder() const { return m_placeholder; }

    QString heartRate(QString* unit = nullptr) const;
    QString ecgResults() const;
    QString qrs(QString* unit = nullptr) const;
    QString qtQtc(QString* unit = nullptr) const;
    QString spo2(QString* unit = nullptr) const;
    QString pulseRate(QString* unit = nullptr) const;
    QString spo2Result() const;
    QString temperature(QString* unit = nullptr) const;
    QString temperatureResult() const;
    QString bloodPressure(QString* unit = nullptr) const;
    QString bloodPressureResult() const;
    QString glucose(QString* unit = nullptr) const;
    QString glucoseResult() const;

private:
    // Hands out value and unit as the caller asked; an empty value is the placeholder.
    QString give(const QString& value, const QString& unitText, QString* unit,
                 const QString& separator = QString()) const;

    const MultiTestRecord m_record;
    const QString m_placeholder = QStringLiteral("--");
};
