#pragma once

#include "files/EcgDetail.h"

#include <QVector>

// A row whose check has an ECG detail file hands the report viewer and the
// report painter what it read: the header, the samples and their count.
class ReviewInterface
{
public:
    virtual ~ReviewInterface() = default;

    virtual const EcgHeader& reviewHeader() const { return m_detail.header(); }
    virtual const QVector<qint16>& reviewSamples() const { return m_detail.samples(); }
    virtual int reviewSampleCount() const { return m_detail.sampleCount(); }

protected:
    EcgDetail m_detail;
};
