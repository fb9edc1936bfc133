#include "pantadd.h"

#include "CategoryCommands.h"
#include "CategoryRules.h"
#include "data/Numbers.h"
#include "model/SharedState.h"
#include "ui_pantadd.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QTimer>

namespace catalogue {

using data::ProductRecord;

namespace {

// Lines of a help text, each ended by a line break; an empty line is a blank line.
QString linesOf(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QCoreApplication::translate("catalogue::pantadd", line) + QStringLiteral("\r\n");
    return text;
}

// The paragraph both aisle texts hold, on a category other products share.
QString sharedCategoryNote()
{
    return linesOf({
        QT_TRANSLATE_NOOP(
            "catalogue::pantadd",
            "Please note that, if you are adding an aisle number to an existing category which contains "),
        QT_TRANSLATE_NOOP(
            "catalogue::pantadd",
            "other products, you should edit the category name so that all products in the category will "),
        QT_TRANSLATE_NOOP(
            "catalogue::pantadd",
            "contain the same aisle number.  (See 'Program Help' for more information on editing categories.) "),
        "",
    });
}

ui::Title errorTitle()
{
    return ui::Title::own(pantadd::tr("Error"));
}
ui::Title aisleHelpTitle()
{
    return ui::Title::own(pantadd::tr("Using Aisle Numbers"));
}

} // namespace

QString pantadd::aisleNote()
{
    return linesOf({
               QT_TRANSLATE_NOOP(
                   "catalogue::pantadd",
                   "If you include an aisle number, it will be added to the front of the category name for this"),
               QT_TRANSLATE_NOOP(
                   "catalogue::pantadd",
                   "product.  This is useful for sorting purposes when printing or viewing the shopping list."),
               "",
           }) +
           sharedCategoryNote() +
           linesOf({
               QT_TRANSLATE_NOOP("catalogue::pantadd", "Aisle numbers should be added in the format ##.## ."),
               "",
           });
}

QString pantadd::aisleInfo()
{
    return linesOf({
               QT_TRANSLATE_NOOP(
                   "catalogue::pantadd",
                   "For sorting purposes, you may include an aisle number at the front of the category name for a"),
               QT_TRANSLATE_NOOP("catalogue::pantadd",
                                 "product.  This is useful when printing or viewing the shopping list."),
               "",
           }) +
           sharedCategoryNote() +
           linesOf({
               QT_TRANSLATE_NOOP(
                   "catalogue::pantadd",
                   "Aisle numbers should contain leading zeros for a uniform sort.  Here is an example of categories"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "with aisle numbers:"),
               "",
               QT_TRANSLATE_NOOP("catalogue::pantadd", "00.1 Deli"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "00.2 Bakery"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "00.3 Meats"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "00.4 Produce"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "01.0 Chips and soda"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "02.0 Vegetables canned"),
               QT_TRANSLATE_NOOP("catalogue::pantadd", "02.1 Fruit canned"),
               "Miscellaneous",
               "",
               QT_TRANSLATE_NOOP(
                   "catalogue::pantadd",
                   "(Notice that categories that do not begin with a number are sorted at the end of the list.)"),
               "",
           });
}

pantadd::pantadd(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantadd>())
    , state_(state)
    , dialogs_(dialogs)
    , addMode_(state.ProductsAdded)
{
    form_->setupUi(this);
    // Typing a new category must not be completed into an existing one.
    form_->Combo1->setCompleter(nullptr);

    if (addMode_) {
        form_->pricetxt->clear();
        form_->itemtxt->clear();
        form_->categorycmd->hide();
    } else {
        for (QWidget* w : {static_cast<QWidget*>(form_->aislelbl), static_cast<QWidget*>(form_->aisletxt),
                           static_cast<QWidget*>(form_->Command1)})
            w->hide();
        const ProductRecord product = state_.products.read(state_.EditRecord);
        form_->itemtxt->setText(product.text(ProductRecord::item));
        form_->pricetxt->setText(product.text(ProductRecord::price));
        form_->fatchk->setChecked(product.get(ProductRecord::fat) == QLatin1String("1"));
        form_->carbchk->setChecked(product.get(ProductRecord::carb) == QLatin1String("1"));
    }
    form_->addmorecmd->setEnabled(false);
    form_->savecmd->setEnabled(false);
    fillCategories();

    // Connected after the load, so that what the load puts into the boxes is not an edit.
    connect(form_->itemtxt, &QLineEdit::textChanged, this, &pantadd::enableSave);
    connect(form_->pricetxt, &QLineEdit::textChanged, this, &pantadd::enableSave);
    connect(form_->Combo1, &QComboBox::editTextChanged, this, &pantadd::enableSave);
    connect(form_->Combo1, &QComboBox::activated, this, &pantadd::enableSave);
    for (QWidget* box : {static_cast<QWidget*>(form_->itemtxt), static_cast<QWidget*>(form_->pricetxt),
                         static_cast<QWidget*>(form_->Combo1), static_cast<QWidget*>(form_->aisletxt)})
        box->installEventFilter(this);

    connect(form_->savecmd, &QPushButton::clicked, this, &pantadd::saveAndReturn);
    connect(form_->addmorecmd, &QPushButton::clicked, this, &pantadd::saveAndAddAnother);
    connect(form_->quitcmd, &QPushButton::clicked, this, &pantadd::reject);
    connect(form_->categorycmd, &QPushButton::clicked, this, &pantadd::renameCategory);
    connect(form_->Command1, &QPushButton::clicked, this, [this] { dialogs_.tell(aisleNote(), aisleHelpTitle()); });
    connect(form_->aisleinfocmd, &QPushButton::clicked, this, [this] { dialogs_.tell(aisleInfo(), aisleHelpTitle()); });
}

pantadd::~pantadd() = default;

void pantadd::fillCategories()
{
    form_->Combo1->clear();
    QString own;
    if (!addMode_) {
        own = state_.products.read(state_.EditRecord).text(ProductRecord::category);
        if (!own.isEmpty())
            state_.EditorCategory = own;
    }
    form_->Combo1->addItems(editorCategories(state_.products.readAllBytes()));

    const bool nothingToPreselect =
        state_.EditorCategory.isEmpty() || state_.EditorCategory.toUpper() == QLatin1String("ALL");
    // A product without a category is shown without one, not with a category of another.
    if ((addMode_ && nothingToPreselect) || (!addMode_ && own.isEmpty())) {
        form_->Combo1->setCurrentIndex(-1);
        form_->Combo1->clearEditText();
        return;
    }
    const int found = form_->Combo1->findText(state_.EditorCategory, Qt::MatchExactly | Qt::MatchCaseSensitive);
    form_->Combo1->setCurrentIndex(found >= 0 ? found : (form_->Combo1->count() > 0 ? 0 : -1));
}

void pantadd::enableSave()
{
    form_->savecmd->setEnabled(true);
    if (addMode_)
        form_->addmorecmd->setEnabled(true);
}

bool pantadd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only leaving a box for another control counts, not switching windows or opening
        // the category list.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == form_->itemtxt)
                leaveItem();
            else if (watched == form_->pricetxt)
                leavePrice();
            else if (watched == form_->Combo1)
                leaveCategory();
            else if (watched == form_->aisletxt)
                leaveAisle();
        }
    }
    return ui::SecondaryWindow::eventFilter(watched, event);
}

void pantadd::leaveItem()
{
    if (!form_->itemtxt->text().isEmpty())
        form_->itemtxt->setText(CapitalizeWords(data::trimBlanks(form_->itemtxt->text())));
}

void pantadd::leavePrice()
{
    const QString price = form_->pricetxt->text();
    if (data::trimBlanks(price).isEmpty())
        form_->pricetxt->setText(QStringLiteral(".00"));
    else if (const QString formatted = data::formatPattern(data::parseLenient(price), u"###.00");
             !data::isNumber(price))
        complainLater(form_->pricetxt, priceProblem(price), errorTitle());
    else if (const auto stored = storedPrice(formatted))
        form_->pricetxt->setText(*stored);
    else // too large for the field: refused rather than rounded, saying what fits
        complainLater(form_->pricetxt, priceProblem(formatted), errorTitle());
}

void pantadd::leaveCategory()
{
    const QString capitalized = CapitalizeWords(form_->Combo1->currentText());
    if (capitalized != form_->Combo1->currentText())
        form_->Combo1->setEditText(capitalized);
}

void pantadd::leaveAisle()
{
    const QString aisle = form_->aisletxt->text();
    if (aisle.isEmpty())
        return;
    if (data::isNumber(aisle)) {
        form_->aisletxt->setText(formatAisle(aisle));
    } else {
        form_->aisletxt->clear();
        complainLater(form_->aisletxt, tr("Enter numbers only"), ui::Title::none());
    }
}

void pantadd::complainLater(QWidget* box, const QString& text, const ui::Title& title)
{
    // A box shown while the focus is still moving (a mouse press on a button) would swallow
    // that button's click half-way; so it is shown right after.
    complaintPending_ = true;
    QTimer::singleShot(0, this, [this, box, text, title] {
        complaintPending_ = false;
        if (!isVisible())
            return;
        dialogs_.tell(text, title);
        box->setFocus(Qt::OtherFocusReason);
    });
}

bool pantadd::priceIsUsable()
{
    if (complaintPending_)
        return false; // the complaint about a box just left comes first
    const QString price = form_->pricetxt->text();
    if (data::trimBlanks(price).isEmpty() || (data::isNumber(price) && storedPrice(price)))
        return true;
    // A price that was never a number (as another program stored it) is refused here too.
    dialogs_.tell(priceProblem(price), errorTitle());
    form_->pricetxt->setFocus(Qt::OtherFocusReason);
    return false;
}

EditorFields pantadd::fields() const
{
    return {form_->itemtxt->text(),  form_->pricetxt->text(),    form_->Combo1->currentText(),
            form_->aisletxt->text(), form_->fatchk->isChecked(), form_->carbchk->isChecked()};
}

void pantadd::saveAndReturn()
{
    if (data::trimBlanks(form_->itemtxt->text()).isEmpty()) {
        dialogs_.tell(tr("Missing data."), errorTitle());
        return;
    }
    if (!priceIsUsable())
        return;
    const ProductRecord product = buildProduct(fields(), addMode_);
    if (addMode_) {
        if (!appendProduct(product))
            return;
        offerShoppingList(ui::Answer::No);
        state_.ProductsAdded = true;
    } else {
        if (dialogs_.reportFailure(state_.products.write(state_.EditRecord, product)))
            return;
        state_.ProductsEdited = true;
    }
    accept();
}

void pantadd::saveAndAddAnother()
{
    if (data::trimBlanks(form_->pricetxt->text()).isEmpty())
        form_->pricetxt->setText(QStringLiteral(".00"));
    if (data::trimBlanks(form_->itemtxt->text()).isEmpty() || form_->pricetxt->text().isEmpty()) {
        dialogs_.tell(tr("Missing data.  Each box must be filled."), errorTitle());
        return;
    }
    if (!priceIsUsable())
        return;
    if (!appendProduct(buildProduct(fields(), false)))
        return;
    offerShoppingList(ui::Answer::Yes);
    form_->itemtxt->clear();
    form_->pricetxt->clear();
    form_->addmorecmd->setEnabled(false);
    form_->savecmd->setEnabled(false);
    form_->itemtxt->setFocus();
}

bool pantadd::appendProduct(const ProductRecord& product)
{
    return !dialogs_.reportFailure(state_.products.append(product));
}

void pantadd::offerShoppingList(ui::Answer defaultButton)
{
    if (dialogs_.ask(tr("Add this item to your Shopping List now?"), ui::Title::none(), ui::Buttons::YesNo,
                     ui::Icon::Question, defaultButton) != ui::Answer::Yes)
        return;
    const QString prompt = tr("Enter a quantity for ") + data::trimBlanks(form_->itemtxt->text()) + QStringLiteral(".");
    const ProductRecord product = state_.products.read(state_.ProductCount());
    for (;;) {
        const QString quantity = dialogs_.input(prompt, ui::Title::application(), QStringLiteral("1"));
        if (quantity.isEmpty())
            return;
        // A quantity or price that cannot be written whole is refused, never cut.
        QString refusal;
        if (const auto item = editorShoppingItem(product, quantity, &refusal)) {
            dialogs_.reportFailure(state_.items.append(*item));
            return;
        }
        dialogs_.tell(refusal);
    }
}

void pantadd::reject()
{
    state_.ProductsAdded = false;
    state_.ProductsEdited = false;
    ui::SecondaryWindow::reject();
}

void pantadd::renameCategory()
{
    const std::optional<CategoryRename> rename = askCategoryRename(dialogs_, form_->Combo1->currentText());
    if (!rename)
        return;
    hide();
    const data::FileResult renamed = catalogue::renameCategory(state_, rename->oldName, rename->newName);
    form_->Combo1->setEditText(rename->newName);
    fillCategories();
    if (!dialogs_.reportFailure(renamed))
        dialogs_.tell(tr("Category changed"), ui::Title::none());
    reject();
}

} // namespace catalogue
