#include "ui/inspector/views/object_definition_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/linked_chunks.h"
#include "ui/inspector/chunk_links.h"
#include "ui/inspector/language_box.h"
#include "ui/inspector/table_rows.h"
#include "ui/inspector/views/draw_group_picture.h"
#include "ui/inspector/views/draw_group_view.h"
#include "widgets/code_page_text.h"
#include "widgets/path_text.h"

namespace tarnwick {

namespace {

// A thumbnail taller than this is shown scaled down (it is saved whole).
constexpr int kThumbnailHeight = 160;

QString Text(const std::string& bytes) { return CodePageText(bytes, CodePage::Windows1252); }

QString WordText(std::optional<std::uint16_t> word)
{
    return word ? QString::number(*word) : QStringLiteral("?");
}

// Where the original lies, from the game folder: "GameData/Objects/Objects.far: Table.iff".
QString OriginalPlace(const ReplacedObject& found)
{
    const std::filesystem::path relative =
        std::filesystem::path(found.original.path).lexically_relative(found.gameFolder);
    QString place = ShownName(relative.empty() ? found.original.path : relative.generic_string());
    if (!found.original.member.empty())
        place += QStringLiteral(": ") + Text(found.original.member);
    return place;
}

}  // namespace

ObjectDefinitionView::ObjectDefinitionView(ObjectDefinition definition, std::string label,
                                           InspectorContext& context, QWidget* parent)
    : InspectorView(parent),
      definition_(std::move(definition)),
      label_(std::move(label)),
      context_(context),
      name_(new QLabel),
      description_(new QLabel),
      replaced_(new QLabel),
      fields_(MakeRowsTable(
          {QStringLiteral("Word"), QStringLiteral("Byte"), QStringLiteral("Field"), QStringLiteral("Value")},
          this))
{
    if (!definition_.warning.empty())
        notes_ << QString::fromStdString(definition_.warning);
    std::optional<ObjectViews> whole;
    if (IsTileGroupMaster(definition_)) {
        const ObjectTiles tiles =
            FindObjectTiles(context_.openFile.Chunks, *definition_.Word(object_word::kMasterId));
        if (!tiles.tiles.empty() || !tiles.refused.empty())
            whole = ComposeObjectViews(tiles, context_.openFile.Chunks);
        if (whole)
            wholeObject_ = new DrawGroupView(whole->views, PictureLines(whole->notes));
        if (wholeObject_)
            wholeObject_->setObjectName(QStringLiteral("WholeObject"));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeBuyersCard(whole ? &*whole : nullptr));
    fields_->setObjectName(QStringLiteral("Fields"));
    if (wholeObject_) {
        pages_ = new QTabWidget;
        pages_->setObjectName(QStringLiteral("Pages"));
        pages_->addTab(fields_, QStringLiteral("Fields"));
        pages_->addTab(wholeObject_, QStringLiteral("Whole object"));
        layout->addWidget(pages_, 1);
    } else {
        layout->addWidget(fields_, 1);
    }
    FillFields();
}

QWidget* ObjectDefinitionView::MakeBuyersCard(const ObjectViews* whole)
{
    auto* card = new QFrame;
    card->setObjectName(QStringLiteral("BuyersCard"));
    card->setFrameShape(QFrame::StyledPanel);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Thumbnail"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(64, 64);
    if (whole)
        ShowPictureNotes(ChooseCataloguePicture(whole->views));
    else if (definition_.Word(object_word::kBaseGraphic))
        ShowPictureNotes(ComposeObjectPicture(context_.openFile.Chunks, definition_));
    if (!thumbnail_.isNull()) {
        const QImage shown = thumbnail_.height() > kThumbnailHeight
                                 ? thumbnail_.scaledToHeight(kThumbnailHeight, Qt::SmoothTransformation)
                                 : thumbnail_;
        picture->setPixmap(QPixmap::fromImage(shown));
    } else {
        picture->setText(QStringLiteral("(no picture)"));
    }

    name_->setObjectName(QStringLiteral("CatalogueName"));
    QFont big = name_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    name_->setFont(big);
    description_->setObjectName(QStringLiteral("CatalogueDescription"));
    description_->setWordWrap(true);
    for (QLabel* text : {name_, description_}) {
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    const auto guid = definition_.Id32(object_word::kGuid);
    auto* price = new QLabel(
        QStringLiteral("Price \u00A7%1     GUID %2")
            .arg(WordText(definition_.Word(object_word::kPrice)),
                 guid ? QStringLiteral("0x") + QString::number(*guid, 16).toUpper().rightJustified(8, u'0')
                      : QStringLiteral("?")));
    price->setObjectName(QStringLiteral("PriceAndGuid"));
    price->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name_);
    texts->addWidget(description_);
    texts->addWidget(price);
    replaced_->setObjectName(QStringLiteral("ReplacedObject"));
    replaced_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(replaced_, &QLabel::linkActivated, this, [this] {
        if (original_)
            context_.FollowElsewhere(*original_);
    });
    texts->addWidget(replaced_);
    // The catalogue texts come in the languages of their CTSS.
    std::set<int> languages;
    if (const auto table = CatalogueTexts())
        for (const TextEntry& entry : table->entries)
            languages.insert(entry.language);
    texts->addWidget(MakeLanguageBox(context_, languages,
                                     [this] {
                                         ShowCatalogueTexts();
                                         ShowReplaced();
                                     }),
                     0, Qt::AlignLeft);
    texts->addStretch();

    auto* row = new QHBoxLayout(card);
    row->addWidget(picture);
    row->addLayout(texts, 1);
    ShowCatalogueTexts();
    ShowReplaced();
    return card;
}

void ObjectDefinitionView::ShowPictureNotes(const CataloguePicture& picture)
{
    if (picture.picture)
        thumbnail_ = CompositeToImage(*picture.picture);
    QStringList lines = PictureLines(picture.notes);
    if (thumbnail_.isNull() && lines.size() == 1)
        lines.front().prepend(QStringLiteral("No picture: "));
    else if (thumbnail_.isNull())
        lines.prepend(QStringLiteral("No picture: no rotation draws anything at the near zoom."));
    notes_ << lines;
}

bool ObjectDefinitionView::ShowingWholeObject() const
{
    return pages_ != nullptr && pages_->currentWidget() == wholeObject_;
}

QImage ObjectDefinitionView::CurrentPicture() const
{
    return ShowingWholeObject() ? wholeObject_->CurrentPicture() : thumbnail_;
}

std::vector<QImage> ObjectDefinitionView::Frames() const
{
    return wholeObject_ != nullptr ? wholeObject_->Frames() : std::vector<QImage>{};
}

std::optional<TextTable> ObjectDefinitionView::CatalogueTexts() const
{
    const std::uint16_t id = definition_.Word(object_word::kCatalogueStrings).value_or(0);
    return id == 0 ? std::nullopt : LinkedTexts(context_.openFile.Chunks, chunk_type::kCatalogueStrings, id);
}

void ObjectDefinitionView::ShowCatalogueTexts()
{
    const std::uint16_t id = definition_.Word(object_word::kCatalogueStrings).value_or(0);
    QString name = Text(label_);
    QString description;
    if (id != 0 && context_.Find(chunk_type::kCatalogueStrings, id) != 0) {
        if (const auto table = CatalogueTexts()) {
            if (const TextEntry* entry = FindText(*table, 0, context_.language))
                name = CodePageText(entry->value, entry->codePage);
            if (const TextEntry* entry = FindText(*table, 1, context_.language))
                description = CodePageText(entry->value, entry->codePage);
        }
    } else {
        description = id == 0
                          ? QStringLiteral("(no catalogue strings)")
                          : QStringLiteral("(%1 is not in this file)")
                                .arg(QString::fromStdString(ChunkName(chunk_type::kCatalogueStrings, id)));
    }
    name_->setText(name);
    description_->setText(description);
}

void ObjectDefinitionView::ShowReplaced()
{
    const auto guid = definition_.Id32(object_word::kGuid);
    const ReplacedObject found = guid ? context_.FindReplaced(*guid) : ReplacedObject{};
    original_.reset();
    replaced_->clear();
    replaced_->setVisible(found.state != ReplacedObject::State::None);
    if (found.state == ReplacedObject::State::Looking) {
        replaced_->setTextFormat(Qt::PlainText);
        replaced_->setText(QStringLiteral("Looking for a game object with this GUID..."));
        return;
    }
    if (found.state != ReplacedObject::State::Found)
        return;
    const library::ObjectRecord& object = found.original.object;
    original_ = library::ChunkPlace{found.original.path, found.original.member,
                                    std::string(chunk_type::kObjectDefinition), object.objdId};
    const library::CatalogueName* name = library::NameIn(object, context_.language);
    QString shownName = name != nullptr ? CodePageText(name->text, name->codePage) : Text(object.label);
    if (shownName.trimmed().isEmpty())  // a link must have something to click
        shownName = QString::fromStdString(ChunkName(chunk_type::kObjectDefinition, object.objdId));
    replaced_->setTextFormat(Qt::RichText);
    replaced_->setText(QStringLiteral("Replaces the game's <a href=\"original\">%1</a> (%2)")
                           .arg(shownName.toHtmlEscaped(), OriginalPlace(found).toHtmlEscaped()));
    replaced_->setToolTip(
        QStringLiteral("Click to open %1 in the game's file")
            .arg(QString::fromStdString(ChunkName(chunk_type::kObjectDefinition, object.objdId))));
}

void ObjectDefinitionView::FillFields()
{
    const std::vector<ObjectFieldLine> lines = DescribeObjectDefinition(definition_);
    FillRows(*fields_, static_cast<int>(lines.size()), [&](int row) {
        const ObjectFieldLine& line = lines[static_cast<std::size_t>(row)];
        fields_->setItem(row, 0, new QTableWidgetItem(QString::number(line.word)));
        fields_->setItem(row, 1, new QTableWidgetItem(QString::number(line.offset)));
        fields_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(line.name)));
        QTableWidgetItem* value = nullptr;
        if (line.linkType.empty())
            value = new QTableWidgetItem(QString::fromStdString(line.value));
        else if (line.linkId == 0)
            value = new QTableWidgetItem(QStringLiteral("0 (none)"));
        else
            value = MakeLinkItem(context_, line.linkType, line.linkId);
        fields_->setItem(row, 3, value);
    });
    SetColumnWidths(*fields_, {{0, 50}, {1, 50}, {2, 190}});
    ConnectLinks(*fields_, context_);
}

QString ObjectDefinitionView::Note() const
{
    QStringList lines = notes_;
    if (wholeObject_ != nullptr && !wholeObject_->Note().isEmpty())
        lines << wholeObject_->Note();
    return lines.join(u'\n');
}

void ObjectDefinitionView::Copy() const
{
    if (ShowingWholeObject())
        wholeObject_->Copy();
    else
        CopySelectedRows(*fields_);
}

QString ObjectDefinitionView::TableText() const { return RowsText(*fields_, false); }

}  // namespace tarnwick
