// What the controls' ATK objects tell a client as the controls change (texts inserted and
// removed, the caret, states, live regions), and the parts of the text interface that read a text
// by pieces: characters, words, the line, character extents and attributes.

#include <optional>
#include <string>
#include <utility>

#include "gui/controls/control.h"
#include "platform/gtk/atk_objects.h"
#include "platform/gtk/text_change.h"

namespace platform::gtk::atk {
namespace {

// What an object last told a client of its control; events are worked out against it.
struct TAnnounced {
  std::string Name;
  gui::TAccText Text;  // UTF-8; empty, without a caret, for a control that shows none
  gui::TAccStates States;
};

GQuark AnnouncedQuark() {
  static const GQuark quark = g_quark_from_static_string("spintrak-announced");
  return quark;
}

TAnnounced* Announced(AtkObject* object) {
  return static_cast<TAnnounced*>(g_object_get_qdata(G_OBJECT(object), AnnouncedQuark()));
}

// An entry tells what was typed or deleted; any other text is read anew as a whole (a live region
// is read whole, and a label's new caption is one new text, not an edit of the old one).
void AnnounceText(AtkObject* object, bool edit, const gui::TAccText& now, TAnnounced& last) {
  if (now.Text == last.Text.Text) return;
  const TTextChange change = TextChange(last.Text.Text, now.Text, edit);
  last.Text.Text = now.Text;
  if (change.RemovedCount > 0)
    g_signal_emit_by_name(object, "text-remove", change.Pos, change.RemovedCount, change.Removed.c_str());
  if (change.InsertedCount > 0)
    g_signal_emit_by_name(object, "text-insert", change.Pos, change.InsertedCount, change.Inserted.c_str());
}

// The caret and the selection against those last told. An entry's text set by the program moves
// its caret without a caret event of the model, so this runs after a text change too.
void AnnounceCaret(AtkObject* object, const gui::TAccText& now, TAnnounced& last) {
  if (now.Caret < 0) return;
  const gui::TAccText was = std::exchange(last.Text, now);
  if (now.Caret != was.Caret) g_signal_emit_by_name(object, "text-caret-moved", now.Caret);
  const bool hadSelection = was.SelLength > 0, hasSelection = now.SelLength > 0;
  if ((hadSelection || hasSelection) && (was.SelStart != now.SelStart || was.SelLength != now.SelLength))
    g_signal_emit_by_name(object, "text-selection-changed");
}

// The focus is announced as it moves (TCanvasModel::FocusMoved); every other state as it changes.
void AnnounceStates(AtkObject* object, gui::TAccNode& node, TAnnounced& last) {
  const gui::TAccStates now = gui::TAccessible(node).States();
  const gui::TAccStates was = std::exchange(last.States, now);
  for (const TStateRow& row : kStateRows)
    if (row.State != gui::asFocused && was.Contains(row.State) != now.Contains(row.State))
      atk_object_notify_state_change(object, row.Atk, now.Contains(row.State));
}

}  // namespace

void RememberAnnounced(AtkObject* object, gui::TAccNode& node) {
  const gui::TAccessible acc(node);
  g_object_set_qdata_full(G_OBJECT(object), AnnouncedQuark(),
                          new TAnnounced{acc.Name(), acc.Text().value_or(gui::TAccText{}), acc.States()},
                          [](gpointer data) { delete static_cast<TAnnounced*>(data); });
}

void RememberCaret(AtkObject* object, gui::TAccNode& node) {
  TAnnounced* last = Announced(object);
  const std::optional<gui::TAccText> now = gui::TAccessible(node).Text();
  if (last && now) last->Text = *now;
}

void AnnounceFocus(AtkObject* object, bool focused) {
  if (TAnnounced* last = Announced(object))
    focused ? last->States.Include(gui::asFocused) : last->States.Exclude(gui::asFocused);
  atk_object_notify_state_change(object, ATK_STATE_FOCUSED, focused);
}

void AnnounceEvent(AtkObject* object, gui::TAccNode& node, gui::TAccEvent event) {
  TAnnounced* last = Announced(object);
  if (!last) return;
  const gui::TAccessible acc(node);
  switch (event) {
    case gui::aeFocus: AnnounceFocus(object, true); break;
    case gui::aeTextChanged:
      // An entry's name is not its text: typing changes no name.
      if (std::string name = acc.Name(); name != last->Name) {
        last->Name = std::move(name);
        g_object_notify(G_OBJECT(object), "accessible-name");
      }
      if (const std::optional<gui::TAccText> now = acc.Text()) {
        AnnounceText(object, node.AccRole() == gui::arText, *now, *last);
        AnnounceCaret(object, *now, *last);
      }
      g_signal_emit_by_name(object, "visible-data-changed");
      break;
    case gui::aeCaretMoved:
      if (const std::optional<gui::TAccText> now = acc.Text()) AnnounceCaret(object, *now, *last);
      break;
    case gui::aeStateChanged: AnnounceStates(object, node, *last); break;
    case gui::aeDescriptionChanged: g_object_notify(G_OBJECT(object), "accessible-description"); break;
    case gui::aeWindowShown: break;  // the window's own accessible object announces it
  }
}

AtkAttributeSet* ControlAttributes(AtkObject* object) {
  gui::TAccNode* control = LiveNode(object);
  if (!control || !gui::TAccessible(*control).Live()) return nullptr;
  // As a web page's live region says it: read politely, whole, when text is added or changed;
  // "container-" is what a reader looks for on the object that changed.
  static constexpr std::pair<const char*, const char*> kLive[] = {
      {"live", "polite"},           {"container-live", "polite"},   {"atomic", "true"},
      {"container-atomic", "true"}, {"relevant", "additions text"}, {"container-relevant", "additions text"},
  };
  AtkAttributeSet* set = nullptr;
  for (const auto& [name, value] : kLive) {
    auto* attribute = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
    attribute->name = g_strdup(name);
    attribute->value = g_strdup(value);
    set = g_slist_prepend(set, attribute);
  }
  return g_slist_reverse(set);
}

namespace {

// The pieces of a text.

gchar* Piece(AtkText* text, gint offset, gui::TAccBoundary boundary, gui::TAccPiece piece, gint* start,
             gint* end) {
  *start = *end = 0;
  gui::TAccNode* control = LiveNode(text);
  if (!control) return g_strdup("");
  const gui::TAccessible acc(*control);
  const std::optional<gui::TAccText> t = acc.Text();
  if (!t) return g_strdup("");
  const gui::TAccRange range = acc.TextRange(offset, boundary, piece);
  *start = range.Start;
  *end = range.End;
  return SliceUtf8(t->Text, range.Start, range.End);
}

gui::TAccBoundary BoundaryOf(AtkTextBoundary boundary) {
  switch (boundary) {
    case ATK_TEXT_BOUNDARY_CHAR: return gui::abChar;
    case ATK_TEXT_BOUNDARY_WORD_START: return gui::abWordStart;
    case ATK_TEXT_BOUNDARY_WORD_END: return gui::abWordEnd;
    default: return gui::abLine;  // a sentence and a line are the whole one-line text
  }
}

gchar* TextAtOffset(AtkText* text, gint offset, AtkTextBoundary boundary, gint* start, gint* end) {
  return Piece(text, offset, BoundaryOf(boundary), gui::apAt, start, end);
}
gchar* TextBeforeOffset(AtkText* text, gint offset, AtkTextBoundary boundary, gint* start, gint* end) {
  return Piece(text, offset, BoundaryOf(boundary), gui::apBefore, start, end);
}
gchar* TextAfterOffset(AtkText* text, gint offset, AtkTextBoundary boundary, gint* start, gint* end) {
  return Piece(text, offset, BoundaryOf(boundary), gui::apAfter, start, end);
}

// A word runs from its start to the next word's start, as the word-start boundary has it.
gchar* StringAtOffset(AtkText* text, gint offset, AtkTextGranularity granularity, gint* start, gint* end) {
  const gui::TAccBoundary boundary = granularity == ATK_TEXT_GRANULARITY_CHAR   ? gui::abChar
                                     : granularity == ATK_TEXT_GRANULARITY_WORD ? gui::abWordStart
                                                                                : gui::abLine;
  return Piece(text, offset, boundary, gui::apAt, start, end);
}

// A character's rectangle: the control's own extents in the coordinates asked for, moved by
// where the character stands in the control.
void CharacterExtents(AtkText* text, gint offset, gint* x, gint* y, gint* width, gint* height,
                      AtkCoordType coords) {
  *x = *y = *width = *height = -1;
  gui::TAccNode* control = LiveNode(text);
  if (!control) return;
  const gui::TAccessible acc(*control);
  const std::optional<gui::TRect> r = acc.CharBounds(offset);
  if (!r) return;
  gint cx = 0, cy = 0, cw = 0, ch = 0;
  atk_component_get_extents(ATK_COMPONENT(text), &cx, &cy, &cw, &ch, coords);
  const gui::TRect own = acc.Bounds();
  *x = cx + r->Left - own.Left;
  *y = cy + r->Top - own.Top;
  *width = r->Width();
  *height = r->Height();
}

// One run of one look: the text has no attributes of its own beyond its control's.
AtkAttributeSet* RunAttributes(AtkText* text, gint offset, gint* start, gint* end) {
  const gint count = atk_text_get_character_count(text);
  *start = 0;
  *end = offset >= 0 && offset <= count ? count : 0;
  return nullptr;
}

AtkAttributeSet* DefaultAttributes(AtkText*) { return nullptr; }

}  // namespace

void TextPiecesInit(AtkTextIface* iface) {
  iface->get_text_at_offset = TextAtOffset;
  iface->get_text_before_offset = TextBeforeOffset;
  iface->get_text_after_offset = TextAfterOffset;
  iface->get_string_at_offset = StringAtOffset;
  iface->get_character_extents = CharacterExtents;
  iface->get_run_attributes = RunAttributes;
  iface->get_default_attributes = DefaultAttributes;
}

}  // namespace platform::gtk::atk
