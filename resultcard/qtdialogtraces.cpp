#include "resultcard/qtdialogtraces.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>

using namespace Qt::StringLiterals;

QtDialogTraces::QtDialogTraces()
    : m_path(QSettings(QSettings::UserScope, u"QtProject"_s).fileName())
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        m_before = file.readAll();
}

QtDialogTraces::~QtDialogTraces()
{
    if (!m_before) {
        QFile::remove(m_path);
        return;
    }
    QFile now(m_path);
    if (now.open(QIODevice::ReadOnly) && now.readAll() == *m_before)
        return;
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(*m_before) == m_before->size())
        file.commit();
}
