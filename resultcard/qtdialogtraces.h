#pragma once

// Qt's own file dialog notes the folders it has visited, for every Qt program of the user, in
// a settings file of Qt's. The program keeps nothing of a result, not even where it was saved:
// while one of these is alive a dialog may write there; at its end the file is as before.

#include <QByteArray>
#include <QString>
#include <optional>

class QtDialogTraces {
public:
    QtDialogTraces();
    ~QtDialogTraces();
    QtDialogTraces(const QtDialogTraces &) = delete;
    QtDialogTraces &operator=(const QtDialogTraces &) = delete;

private:
    QString m_path;
    std::optional<QByteArray> m_before;
};
