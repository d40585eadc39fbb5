#include "sync/ImportModel.h"

ImportModel::ImportModel(const QString& sourceList, const QString& dataDir, QObject* parent)
    : QObject(parent)
    , m_importer(sourceList, dataDir)
{}

void ImportModel::onStartImport()
{
    m_finished = false;
    m_succeeded = m_importer.run();
    m_finished = true;
}
