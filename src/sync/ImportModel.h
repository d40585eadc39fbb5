#pragma once

#include "sync/LegacyImporter.h"

#include <QObject>

#include <atomic>

// The legacy import as an object that lives on its own thread: the
// data-directory dialog moves it there, emits the start and polls finished().
class ImportModel : public QObject
{
    Q_OBJECT
public:
    ImportModel(const QString& sourceList, const QString& dataDir, QObject* parent = nullptr);

    bool isFinished() const { return m_finished.load(); }
    // Read after isFinished().
    bool succeeded() const { return m_succeeded.load(); }
    const LegacyImporter& importer() const { return m_importer; }

public slots:
    void onStartImport();

private:
    LegacyImporter m_importer;
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_succeeded{false};
};
