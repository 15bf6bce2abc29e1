#pragma once

// My History: the entries kept from Measure My Shape as a table and as a chart, in the unit
// chosen here, with what is kept and where said above them. Deleting one entry or all of them,
// exporting to CSV or JSON and importing a CSV export each go through HistoryStore and say
// what failed. It opens modally over the welcome window or the results page.

#include "common/windowmodel.h"
#include "history/historystore.h"

#include <QDialog>
#include <memory>

namespace Ui {
class HistoryWindow;
}

class HistoryWindow : public Form<HistoryWindow, QDialog> {
    Q_OBJECT

public:
    ~HistoryWindow() override;

    // Opens the window modally over `opener` and returns once it is closed and unloaded.
    static void showModal(QWidget &opener);

    // What the file dialogs lead to: true when done, with the outcome said in a message.
    bool exportTo(const QString &path);
    bool importFrom(const QString &path);

private:
    friend class Form<HistoryWindow, QDialog>;
    HistoryWindow();

    FigureRules::Unit unit() const;
    // Reads the history again; says why when it cannot be read.
    void reload();
    void showEntries();
    void deleteChosen();
    void deleteAll();
    void chooseExport();
    void chooseImport();

    std::unique_ptr<Ui::HistoryWindow> ui;
    std::unique_ptr<HistoryStore> m_store;
    QList<History::Entry> m_entries;
    bool m_readable = true;
};
