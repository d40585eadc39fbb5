#include "report/MultiTestDataDecorator.h"

#include "app/Config.h"
#include "files/ValueRange.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

MultiTestDataDecorator::MultiTestDataDecorator(const MultiTestRecord& record, QObject* parent)
    : QObject(parent)
    , m_record(record)
{}

QString MultiTestDataDecorator::give(const QString& value, const QString& unitText, QString* unit,
                                     const QString& separator) const
{
    const bool missing = value.isEmpty();
    const QString shownUnit = missing ? QString() : unitText;
    const QString shownValue = missing ? m_placeholder : value;
    if (unit) {
        *unit = shownUnit;
        return shownValue;
    }
    return shownUnit.isEmpty() ? shownValue : shownValue + separator + shownUnit;
}

QString MultiTestDataDecorator::heartRate(QString* unit) const
{
    const bool valid = ValueRange::ecgHeartRate().contains(m_record.ecg_hr);
    return give(valid ? QString::number(m_record.ecg_hr) : QString(), tr("/min"), unit);
}

QString MultiTestDataDecorator::ecgResults() const
{
    if (m_record.ecg_hr == 0 && m_record.ecg_result == 0)
        return m_placeholder;
    return ResultText::ecgResults(m_record.ecg_result, 2).join(tr(","));
}

QString MultiTestDataDecorator::qrs(QString* unit) const
{
    const bool valid = ValueRange::qrs().contains(m_record.ecg_qrs);
    return give(valid ? QString::number(m_record.ecg_qrs) : QString(), QStringLiteral("ms"), unit);
}

QString MultiTestDataDecorator::qtQtc(QString* unit) const
{
    const bool qtValid = ValueRange::qt().contains(m_record.ecg_qt);
    const bool qtcValid = ValueRange::qtc().contains(m_record.ecg_qtc);
    if (!qtValid && !qtcValid)
        return give(QString(), QString(), unit);
    const QString value = QStringLiteral("%1/%2").arg(qtValid ? QString::number(m_record.ecg_qt) : m_placeholder,
                                                      qtcValid ? QString::number(m_record.ecg_qtc) : m_placeholder);
    return give(value, QStringLiteral("ms"), unit);
}

QString MultiTestDataDecorator::spo2(QString* unit) const
{
    const bool valid = ValueRange::spo2().contains(m_record.oxi_spo2);
    return give(valid ? QString::number(m_record.oxi_spo2) : QString(), QStringLiteral("%"), unit);
}

QString MultiTestDataDecorator::pulseRate(QString* unit) const
{
    const bool valid = ValueRange::pulseRate().contains(m_record.oxi_pr);
    return give(valid ? QString::number(m_record.oxi_pr) : QString(), tr("/min"), unit);
}

QString MultiTestDataDecorator::spo2Result() const
{
    if (m_record.oxi_spo2 == 0)
        return m_placeholder;
    return ResultText::spo2(m_record.oxi_face);
}

QString MultiTestDataDecorator::temperature(QString* unit) const
{
    const bool celsius = Config::instance()->isCelsius();
    const int tenths = m_record.temp_temperature;
    return give(tenths == 0 ? QString() : UnitText::temperatureValue(tenths, celsius),
                UnitText::temperatureUnit(celsius), unit);
}

QString MultiTestDataDecorator::temperatureResult() const
{
    if (m_record.temp_temperature == 0)
        return m_placeholder;
    return m_record.temp_face ? tr("exception temp") : tr("normal temp");
}

QString MultiTestDataDecorator::bloodPressure(QString* unit) const
{
    const int systolic = m_record.bp_sys;
    const int diastolic = m_record.bp_dia;
    if (systolic == 0 && diastolic == 0)
        return give(QString(), QString(), unit);
    const QString value = QStringLiteral("%1/%2").arg(systolic ? QString::number(systolic) : m_placeholder,
                                                      diastolic ? QString::number(diastolic) : m_placeholder);
    return give(value, QStringLiteral("mmHg"), unit);
}

QString MultiTestDataDecorator::bloodPressureResult() const
{
    if (m_record.bp_sys == 0 && m_record.bp_dia == 0)
        return m_placeholder;
    return ResultText::bloodPressure(m_record.bp_sys, m_record.bp_dia);
}

QString MultiTestDataDecorator::glucose(QString* unit) const
{
    if (m_record.glucose_glucose == 0)
        return give(QString(), QString(), unit);
    const UnitText::Glucose reading = UnitText::glucose(m_record.glucose_glucose, m_record.glucose_deviceType);
    return give(reading.value, reading.unit, unit, QStringLiteral(" "));
}

QString MultiTestDataDecorator::glucoseResult() const
{
    if (m_record.glucose_glucose == 0)
        return m_placeholder;
    const int unitType = m_record.glucose_deviceType;
    if (unitType != 0 && unitType != 1)
        return ResultText::glucose(0).text;
    return ResultText::glucose(UnitText::glucose(m_record.glucose_glucose, unitType).tenthsMmol).text;
}
