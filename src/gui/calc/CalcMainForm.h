#pragma once

#include "core/calc/CalcChoices.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;
class TableSet;
class UserInterface;

// The set-up of a calculation: source tables (simple way: a list; complex way: four priorities
// with their description columns) and the destination, starting from the last settings. The page
// on display when the user goes on decides the way.
class TCalcMainForm : public QDialog
{
    Q_OBJECT

public:
    // `active`, the table the user works on, is the source proposed when none of the remembered
    // sources is open.
    TCalcMainForm(const CalcSettings& settings, const TableSet& tables, const TTable* active, UserInterface& ui,
                  QWidget* parent = nullptr);

    // The choices as the dialog shows them: tables by their entry texts, the way by the page.
    CalcChoices Choices() const;

    // Shows the set-up; nothing when the user cancels.
    static std::optional<CalcChoices> Choose(const CalcSettings& settings, const TableSet& tables, const TTable* active,
                                             UserInterface& ui, QWidget* parent);

    // Refuses an empty list of used tables (simple way) or a gap among the source priorities
    // (complex way) with a message; the dialog stays open.
    void accept() override;

private:
    QWidget* CreateSimplePage();
    QWidget* CreateComplexPage();
    void Fill(const CalcSettings& settings, const TTable* active);
    // The simple way's destination: the new table or the entry of an open table.
    void SetDestination(const QString& entry);
    void FillDescriptions(int priority);

    void AddToSelected();
    void RemoveFromSelected();
    void MoveCurrentSelected(int step);
    void UpdateRemoveButton();
    void PageChanged();

    bool SimpleWay() const;
    bool HasPriorityGap() const;

    const TableSet& m_tables;
    UserInterface& m_ui;
    QTabWidget* m_pcZakladki = nullptr;
    QWidget* m_tsSimple = nullptr;
    QListWidget* m_lbTables = nullptr;
    QListWidget* m_lbTablesSelected = nullptr;
    QToolButton* m_btnToLeft = nullptr;
    QLabel* m_lbDestTable = nullptr;
    QString m_destination;   // the destination's entry, which the label may show shortened
    QPushButton* m_btnOKSimple = nullptr;
    QPushButton* m_btnOKComplex = nullptr;
    std::array<QComboBox*, PriorityCount> m_cmbSource{};
    std::array<QComboBox*, PriorityCount> m_cmbDescr{};
    QComboBox* m_cmbDest = nullptr;
};
