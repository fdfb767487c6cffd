// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/InstallationPanels.h"

#include "app/Brenak.h"
#include "app/InstallationCommands.h"
#include "app/InstallationSession.h"
#include "form/NumberFormat.h"
#include "installation/InstallationMemorandum.h"
#include "installation/InstallationTotals.h"
#include "installation/RowCase.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kMeetsStyle = QStringLiteral("color: #146e28; font-weight: bold;");
const QString kFailsStyle = QStringLiteral("color: #aa1414; font-weight: bold;");
const QString kUnjudgedStyle = QStringLiteral("color: #8a5a00; font-weight: bold;");

QLabel* Wrapped(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* NumberEdit(QWidget* parent, const QString& name, const QString& tip) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setToolTip(tip);
  edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 14);
  return edit;
}

}  // namespace

InstallationPanels::InstallationPanels(InstallationSession& session, QWidget* parent)
    : QTabWidget(parent), session_(session) {
  setObjectName(QStringLiteral("InstallationPanels"));
  // The pages take the height their contents ask for; the table the rest.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  addTab(BuildTotalsPage(), QCoreApplication::translate("InstallationPanels", "Totales"));
  addTab(BuildRitePage(), QCoreApplication::translate("InstallationPanels", "Procedimientos del RITE"));
  addTab(BuildBillPage(), QCoreApplication::translate("InstallationPanels", "Medición de aislamiento"));
  connect(&session_, &InstallationSession::totalsChanged, this, &InstallationPanels::ShowFigures);
  connect(&session_, &InstallationSession::reset, this, &InstallationPanels::ShowData);
  ShowData();
  ShowFigures();
}

QWidget* InstallationPanels::BuildTotalsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);

  auto* data = new QGroupBox(QCoreApplication::translate("InstallationPanels", "Datos de los totales"), page);
  auto* form = new QFormLayout(data);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  hours_ =
      NumberEdit(data, QStringLiteral("InstHoras"),
                 QCoreApplication::translate("InstallationPanels", "Horas de funcionamiento de la instalación al año"));
  price_ = NumberEdit(data, QStringLiteral("InstPrecio"),
                      QCoreApplication::translate("InstallationPanels", "Precio de la energía final, euros/kWh"));
  source_ = new QComboBox(data);
  source_->setObjectName(QStringLiteral("InstFuente"));
  for (int s = 0; s < kEnergySourceCount; ++s) source_->addItem(EnergySourceName(static_cast<EnergySource>(s)));
  source_->setToolTip(QCoreApplication::translate("InstallationPanels",
                                                  "La energía con que se pagan las pérdidas; da su factor de emisión"));
  factor_ = NumberEdit(
      data, QStringLiteral("InstFactorCO2"),
      QCoreApplication::translate("InstallationPanels",
                                  "kg de CO2 por kWh de energía final; el de la fuente elegida, o el que se escriba"));
  power_ = NumberEdit(
      data, QStringLiteral("InstPotencia"),
      QCoreApplication::translate("InstallationPanels",
                                  "Potencia máxima que transporta la instalación, kW: la pide el procedimiento "
                                  "alternativo del RITE"));
  form->addRow(QCoreApplication::translate("InstallationPanels", "Horas al año:"), hours_);
  form->addRow(QCoreApplication::translate("InstallationPanels", "Precio (euros/kWh):"), price_);
  form->addRow(QCoreApplication::translate("InstallationPanels", "Energía:"), source_);
  form->addRow(QStringLiteral("kg CO2/kWh:"), factor_);
  form->addRow(QCoreApplication::translate("InstallationPanels", "Potencia máxima (kW):"), power_);
  layout->addWidget(data);

  auto* figures = new QGroupBox(QCoreApplication::translate("InstallationPanels", "Totales de la instalación"), page);
  auto* grid = new QGridLayout(figures);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 4; ++c) {
      auto* cell = new QLabel(figures);
      cell->setObjectName(QStringLiteral("InstTotal%1%2").arg(r).arg(c));
      cell->setAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
      if (r == 0 || c == 0) {
        QFont font = cell->font();
        font.setBold(r == 0);
        cell->setFont(font);
      }
      grid->addWidget(cell, r, c);
      totals_[r][c] = cell;
    }
  }
  counted_ = Wrapped(figures, QStringLiteral("InstContados"));
  grid->addWidget(counted_, 5, 0, 1, 4);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(6, 1);
  layout->addWidget(figures, 1);

  for (QLineEdit* edit : {hours_, price_, factor_, power_})
    connect(edit, &QLineEdit::editingFinished, this, [this] { ReadData(); });
  connect(source_, &QComboBox::activated, this, [this](int index) {
    // A source of the list brings its factor; "Otra" keeps the one typed.
    const double factor = DefaultCo2Factor(static_cast<EnergySource>(index));
    if (factor > 0) factor_->setText(FormatFixed(static_cast<float>(factor), 6, 3));
    ReadData();
  });
  return page;
}

QWidget* InstallationPanels::BuildRitePage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);

  auto* procedures = new QVBoxLayout;
  governing_ = Wrapped(page, QStringLiteral("InstRigeProcedimiento"));
  verdict_ = Wrapped(page, QStringLiteral("InstVeredicto"));
  auto* simplifiedTitle =
      new QLabel(QCoreApplication::translate("InstallationPanels", "Procedimiento simplificado"), page);
  auto* alternativeTitle =
      new QLabel(QCoreApplication::translate("InstallationPanels", "Procedimiento alternativo"), page);
  for (QLabel* title : {simplifiedTitle, alternativeTitle}) {
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
  }
  simplifiedRule_ = Wrapped(page, QStringLiteral("InstSimplificadoRegla"));
  simplified_ = Wrapped(page, QStringLiteral("InstSimplificado"));
  alternativeRule_ = Wrapped(page, QStringLiteral("InstAlternativoRegla"));
  alternative_ = Wrapped(page, QStringLiteral("InstAlternativo"));
  procedures->addWidget(governing_);
  procedures->addWidget(verdict_);
  procedures->addSpacing(6);
  procedures->addWidget(simplifiedTitle);
  procedures->addWidget(simplifiedRule_);
  procedures->addWidget(simplified_);
  procedures->addSpacing(6);
  procedures->addWidget(alternativeTitle);
  procedures->addWidget(alternativeRule_);
  procedures->addWidget(alternative_);
  procedures->addStretch(1);
  layout->addLayout(procedures, 3);

  auto* list =
      new QGroupBox(QCoreApplication::translate("InstallationPanels", "Tramos bajo el mínimo de las tablas"), page);
  auto* listLayout = new QVBoxLayout(list);
  below_ = new QListWidget(list);
  below_->setObjectName(QStringLiteral("InstBajoMinimo"));
  below_->setToolTip(QCoreApplication::translate("InstallationPanels", "Un doble clic lleva a la fila"));
  listLayout->addWidget(below_);
  layout->addWidget(list, 2);
  connect(below_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (rowChosen) rowChosen(item->data(Qt::UserRole).toInt());
  });
  return page;
}

QWidget* InstallationPanels::BuildBillPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  bill_ = new QTableWidget(page);
  bill_->setObjectName(QStringLiteral("InstMedicion"));
  bill_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  bill_->verticalHeader()->hide();
  bill_->verticalHeader()->setDefaultSectionSize(bill_->fontMetrics().height() + 6);
  bill_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  layout->addWidget(bill_, 1);
  auto* buttons = new QVBoxLayout;
  auto* copy = new QPushButton(QCoreApplication::translate("InstallationPanels", "Copiar"), page);
  copy->setObjectName(QStringLiteral("InstCopiarMedicion"));
  copy->setToolTip(QCoreApplication::translate(
      "InstallationPanels", "Copiar la medición al portapapeles, para pegarla en una hoja de cálculo"));
  auto* save = new QPushButton(QCoreApplication::translate("InstallationPanels", "Guardar CSV..."), page);
  save->setObjectName(QStringLiteral("InstGuardarMedicion"));
  save->setToolTip(QCoreApplication::translate("InstallationPanels", "Guardar la medición en un archivo CSV"));
  buttons->addWidget(copy);
  buttons->addWidget(save);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this, [this] { CopyBillOfMaterials(session_, copyText); });
  connect(save, &QPushButton::clicked, this, [this] { SaveBillOfMaterials(session_); });
  return page;
}

QLabel* InstallationPanels::TotalsCell(int row, int column) const {
  return row >= 0 && row < 5 && column >= 0 && column < 4 ? totals_[row][column] : nullptr;
}

void InstallationPanels::ShowData() {
  showing_ = true;
  const InstallationTotalsData& data = session_.Document().totals;
  hours_->setText(data.hoursPerYear);
  price_->setText(data.energyPrice);
  source_->setCurrentIndex(static_cast<int>(data.source));
  factor_->setText(data.co2Factor);
  power_->setText(data.maximumPower);
  showing_ = false;
}

void InstallationPanels::ReadData() {
  if (showing_) return;
  InstallationTotalsData data = session_.Document().totals;
  data.hoursPerYear = hours_->text().trimmed();
  data.energyPrice = price_->text().trimmed();
  data.co2Factor = factor_->text().trimmed();
  data.maximumPower = power_->text().trimmed();
  data.source = static_cast<EnergySource>(source_->currentIndex());
  // A value refused is said, and the fields show the document's data again.
  if (const QString problem = CheckTotalsData(data); !problem.isEmpty()) {
    session_.Messages().Show({QCoreApplication::translate("InstallationPanels", "Valor fuera de límites"), problem,
                              MessageButtons::Ok, MessageId::FieldOutOfLimits});
    ShowData();
    return;
  }
  session_.SetTotalsData(data);
}

void InstallationPanels::ShowFigures() {
  const InstallationResults& results = session_.Results();
  const std::vector<QStringList> totals = TotalsTable(results.totals);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 4; ++c)
      totals_[r][c]->setText(static_cast<size_t>(r) < totals.size() ? totals[r].value(c) : QString());
  counted_->setText(RowsCountedLine(results.totals) + QLatin1Char('.'));

  const ProcedureTexts governing = GoverningProcedure(results);
  governing_->setText(governing.rule);
  verdict_->setText(governing.verdict);
  verdict_->setStyleSheet(!governing.judged ? kUnjudgedStyle : governing.meets ? kMeetsStyle : kFailsStyle);
  const ProcedureTexts simplified = SimplifiedProcedure(session_.Document(), results);
  simplifiedRule_->setText(simplified.rule);
  simplified_->setText(simplified.verdict);
  simplified_->setStyleSheet(simplified.meets ? kMeetsStyle : kFailsStyle);
  const ProcedureTexts alternative = AlternativeProcedure(results);
  alternativeRule_->setText(alternative.rule);
  alternative_->setText(alternative.verdict);
  alternative_->setStyleSheet(!results.totals.rite.powerGiven ? QString()
                              : alternative.meets             ? kMeetsStyle
                                                              : kFailsStyle);
  below_->clear();
  for (int i = 0; i < simplified.belowMinimum.size(); ++i) {
    auto* item = new QListWidgetItem(simplified.belowMinimum[i], below_);
    item->setData(Qt::UserRole, results.totals.rite.belowMinimum[static_cast<size_t>(i)]);
  }

  const std::vector<QStringList> bill = BillTable(results.bill);
  bill_->clear();
  bill_->setColumnCount(bill.empty() ? 0 : static_cast<int>(bill.front().size()));
  bill_->setRowCount(bill.empty() ? 0 : static_cast<int>(bill.size()) - 1);
  if (!bill.empty()) bill_->setHorizontalHeaderLabels(bill.front());
  const std::vector<int> totalRows = BillTotalRows(results.bill);
  for (size_t r = 1; r < bill.size(); ++r) {
    const bool total = std::find(totalRows.begin(), totalRows.end(), static_cast<int>(r)) != totalRows.end();
    for (int c = 0; c < bill[r].size(); ++c) {
      auto* item = new QTableWidgetItem(bill[r][c]);
      if (c == 1 || c == 3 || c == 5) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (total) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
      }
      bill_->setItem(static_cast<int>(r) - 1, c, item);
    }
  }
  bill_->resizeColumnsToContents();
  // The pipe sizes take what is left of the width.
  if (bill_->columnCount() > 2) bill_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}
