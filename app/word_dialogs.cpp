#include "word_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "mikawase/personal_dictionary.h"
#include "model/menu.h"
#include "model/personal_words.h"
#include "translators.h"

namespace mikawase {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

AddWordDialog::AddWordDialog(const DictionaryFolders& folders, std::string sentence,
                             const std::string& kind, const QString& key, const QString& value,
                             bool changing, QWidget* parent)
    : QDialog(parent),
      folders_(folders),
      sentence_(std::move(sentence)),
      kind_(new QComboBox(this)),
      key_(new QLineEdit(key, this)),
      value_(new QLineEdit(value, this)),
      preview_(new QLabel(this)),
      problems_(new QLabel(this)),
      buttons_(new QDialogButtonBox(this)) {
  setObjectName(QStringLiteral("AddWordDialog"));
  setWindowTitle(Shown(changing ? model::kEditWordTitle : model::kAddWordTitle));
  kind_->setObjectName(QStringLiteral("kind"));
  key_->setObjectName(QStringLiteral("key"));
  value_->setObjectName(QStringLiteral("value"));
  preview_->setObjectName(QStringLiteral("preview"));
  problems_->setObjectName(QStringLiteral("problems"));
  for (const model::WordKind& each : model::WordKinds()) {
    kind_->addItem(Shown(each.words), QString::fromLatin1(each.kind));
    if (kind == each.kind) kind_->setCurrentIndex(kind_->count() - 1);
  }
  // A word changed stays in its dictionary; a new one may go into any.
  kind_->setEnabled(!changing);
  key_->setReadOnly(changing);
  preview_->setWordWrap(true);
  preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  problems_->setWordWrap(true);
  problems_->setStyleSheet(QStringLiteral("color: #a00000"));

  auto* form = new QFormLayout;
  form->addRow(Shown(model::kKindLabel), kind_);
  form->addRow(Shown(model::kKeyLabel), key_);
  form->addRow(Shown(model::kValueLabel), value_);
  form->addRow(Shown(model::kPreviewLabel), preview_);
  save_ = buttons_->addButton(Shown(model::kSave), QDialogButtonBox::AcceptRole);
  save_->setObjectName(QStringLiteral("save"));
  buttons_->addButton(Shown(model::kCancel), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problems_);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &AddWordDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &AddWordDialog::reject);
  connect(kind_, &QComboBox::currentIndexChanged, this, &AddWordDialog::UpdatePreview);
  connect(key_, &QLineEdit::textChanged, this, &AddWordDialog::UpdatePreview);
  connect(value_, &QLineEdit::textChanged, this, &AddWordDialog::UpdatePreview);
  if (key.isEmpty()) {
    key_->setFocus();
  } else {
    value_->setFocus();
  }
  UpdatePreview();
  resize(480, sizeHint().height());
}

std::string AddWordDialog::FileName() const {
  return model::WordKinds()[static_cast<std::size_t>(std::max(0, kind_->currentIndex()))].file_name;
}

// Every change of a field shows what the rendering would be, and what
// would be refused or can never act, before anything is written.
void AddWordDialog::UpdatePreview() {
  std::string value = value_->text().toStdString();
  value_was_written_ = value_was_written_ || !value.empty();
  model::AddWordView view =
      model::ViewOfEntry(sentence_, folders_, FileName(), key_->text().toStdString(), value,
                         value_was_written_, SayInLocale);
  preview_->setText(Utf8(view.preview));
  problems_->setText(Utf8(view.problems));
  save_->setEnabled(view.can_save);
}

void AddWordDialog::accept() {
  AddedEntry added = AddPersonalEntry(folders_.personal, FileName(), key_->text().toStdString(),
                                      value_->text().toStdString());
  if (!added.refusal.empty()) {
    problems_->setText(Utf8(model::SayProblem(added.refusal, SayInLocale)));
    return;
  }
  saved_path_ = added.path;
  saved_line_ = added.line;
  QDialog::accept();
}

MyWordsDialog::MyWordsDialog(const DictionaryFolders& folders, std::string sentence,
                             QWidget* parent)
    : QDialog(parent),
      folders_(folders),
      sentence_(std::move(sentence)),
      table_(new QTableWidget(this)),
      notes_(new QLabel(this)) {
  setObjectName(QStringLiteral("MyWordsDialog"));
  setWindowTitle(Shown(model::kMyWordsTitle));
  table_->setObjectName(QStringLiteral("entries"));
  notes_->setObjectName(QStringLiteral("notes"));
  notes_->setWordWrap(true);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table_->setColumnCount(4);
  table_->setHorizontalHeaderLabels({Shown(model::kKindColumn), Shown(model::kKeyColumn),
                                     Shown(model::kValueColumn), Shown(model::kPlaceColumn)});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* add = new QPushButton(Shown(model::kAdd), this);
  auto* change = new QPushButton(Shown(model::kEdit), this);
  auto* remove = new QPushButton(Shown(model::kRemove), this);
  auto* close = new QPushButton(Shown(model::kClose), this);
  add->setObjectName(QStringLiteral("add"));
  change->setObjectName(QStringLiteral("change"));
  remove->setObjectName(QStringLiteral("remove"));
  close->setObjectName(QStringLiteral("close"));
  auto* row = new QHBoxLayout;
  row->addWidget(add);
  row->addWidget(change);
  row->addWidget(remove);
  row->addStretch();
  row->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(notes_);
  layout->addLayout(row);
  connect(add, &QPushButton::clicked, this, &MyWordsDialog::AddWord);
  connect(change, &QPushButton::clicked, this, [this] { ChangeRow(table_->currentRow()); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int at) { ChangeRow(at); });
  connect(remove, &QPushButton::clicked, this, [this] { RemoveRow(table_->currentRow(), true); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Refill();
  resize(560, 360);
}

void MyWordsDialog::Refill() {
  PersonalEntries listed = ListPersonalEntries(folders_.personal);
  table_->setRowCount(static_cast<int>(listed.entries.size()));
  int row = 0;
  for (const PersonalEntry& entry : listed.entries) {
    const QString cells[] = {Utf8(model::KindOfFile(entry.file_name, SayInLocale)), Utf8(entry.key),
                             Utf8(entry.value),
                             Utf8(entry.file_name) + ':' + QString::number(entry.line)};
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      // What RemoveRow and ChangeRow need, kept with the row.
      if (column == 0) item->setData(Qt::UserRole, Utf8(entry.file_name));
      table_->setItem(row, column, item);
    }
    ++row;
  }
  std::vector<std::string> failures;
  for (const TranslationError& failure : listed.failures) failures.push_back(failure.what());
  notes_->setText(Utf8(model::NotesOnEntries(listed.entries.size(), failures, SayInLocale)));
}

void MyWordsDialog::RemoveRow(int row, bool ask) {
  if (row < 0 || row >= table_->rowCount()) return;
  std::string file_name = table_->item(row, 0)->data(Qt::UserRole).toString().toStdString();
  QString key = table_->item(row, 1)->text();
  if (ask && QMessageBox::question(this, windowTitle(), Shown(model::kRemoveAsk).arg(key)) !=
                 QMessageBox::Yes) {
    return;
  }
  RemovedEntry removed = RemovePersonalEntry(folders_.personal, file_name, key.toStdString());
  if (!removed.refusal.empty()) {
    QMessageBox::warning(this, windowTitle(),
                         Utf8(model::SayProblem(removed.refusal, SayInLocale)));
  }
  Refill();
}

void MyWordsDialog::ChangeRow(int row) {
  if (row < 0 || row >= table_->rowCount()) return;
  std::string file_name = table_->item(row, 0)->data(Qt::UserRole).toString().toStdString();
  std::string kind;
  for (const model::WordKind& each : model::WordKinds()) {
    if (file_name == each.file_name) kind = each.kind;
  }
  AddWordDialog dialog(folders_, sentence_, kind, table_->item(row, 1)->text(),
                       table_->item(row, 2)->text(), /*changing=*/true, this);
  if (dialog.exec() == QDialog::Accepted) Refill();
}

void MyWordsDialog::AddWord() {
  AddWordDialog dialog(folders_, sentence_, "noun", {}, {}, /*changing=*/false, this);
  if (dialog.exec() == QDialog::Accepted) Refill();
}

}  // namespace mikawase
