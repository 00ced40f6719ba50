#pragma once

#include "core/base/Catalogue.h"

#include <QDialog>

class DataManager;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The answer to "Co możesz obliczyć": the Names of the computable indices, or, switched by a
// button, of those that cannot be computed; the description of the current one below the list.
class TPossibleIdxsDispForm : public QDialog
{
    Q_OBJECT

public:
    // `possible`: the computable kinds 23…94 (inputs are never listed).
    TPossibleIdxsDispForm(const KindFlags& possible, const DataManager& kinds, QWidget* parent = nullptr);

    // Shows the list until the user closes it.
    static void Show(const KindFlags& possible, const DataManager& kinds, QWidget* parent);

private:
    // Shows the other list: the computable kinds after the others and back.
    void SwitchList();
    void FillList();

    const DataManager& m_kinds;
    KindFlags m_listed;
    bool m_showsPossible = true;
    QGroupBox* m_gbList;
    QListWidget* m_lbIndexes;
    QLabel* m_lbIndexDescr;
    QPushButton* m_btnChange;
};
