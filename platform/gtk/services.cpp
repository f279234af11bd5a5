#include "platform/gtk/services.h"

#include <gtk/gtk.h>

namespace platform::gtk {

namespace {

GtkClipboard* DefaultClipboard() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return nullptr;
  return gtk_clipboard_get_for_display(display, GDK_SELECTION_CLIPBOARD);
}

void ProvideText(GtkClipboard*, GtkSelectionData* selection, guint, gpointer data) {
  const auto* text = static_cast<const std::string*>(data);
  gtk_selection_data_set_text(selection, text->c_str(), static_cast<gint>(text->size()));
}

void ForgetText(GtkClipboard*, gpointer data) { delete static_cast<std::string*>(data); }

}  // namespace

void Beep() {
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

bool SetClipboardText(const std::string& utf8) {
  GtkClipboard* clipboard = DefaultClipboard();
  if (clipboard == nullptr) return false;
  // gtk_clipboard_set_text hides whether the selection could be taken; this form reports it.
  GtkTargetList* list = gtk_target_list_new(nullptr, 0);
  gtk_target_list_add_text_targets(list, 0);
  gint count = 0;
  GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
  auto* copy = new std::string(utf8);
  const bool ok = gtk_clipboard_set_with_data(clipboard, targets, static_cast<guint>(count), ProvideText,
                                              ForgetText, copy) != FALSE;
  if (!ok) delete copy;
  gtk_target_table_free(targets, count);
  gtk_target_list_unref(list);
  return ok;
}

std::optional<std::string> GetClipboardText() {
  GtkClipboard* clipboard = DefaultClipboard();
  if (clipboard == nullptr) return std::nullopt;
  gchar* text = gtk_clipboard_wait_for_text(clipboard);
  // No owner, or one without text (nothing copied yet, or its program has exited): an empty
  // clipboard, which a paste takes as nothing to insert rather than as a failure.
  if (text == nullptr) return std::string();
  std::string result(text);
  g_free(text);
  return result;
}

std::optional<std::string> TargetToUri(const std::string& target) {
  if (target.empty()) return std::nullopt;
  if (g_uri_peek_scheme(target.c_str()) != nullptr) return target;
  if (target.front() == '/') {
    gchar* uri = g_filename_to_uri(target.c_str(), nullptr, nullptr);
    if (uri == nullptr) return std::nullopt;
    std::string result(uri);
    g_free(uri);
    return result;
  }
  if (target.rfind("www.", 0) == 0) return "http://" + target;
  return std::nullopt;
}

bool OpenWithDefaultHandler(const std::string& target, std::string* error) {
  const std::optional<std::string> uri = TargetToUri(target);
  if (!uri) {
    if (error) *error = "not an address or absolute path: " + target;
    return false;
  }
  GError* failure = nullptr;
  // Starts the handler and returns; the program never waits for it.
  const bool ok = g_app_info_launch_default_for_uri(uri->c_str(), nullptr, &failure) != FALSE;
  if (!ok && failure != nullptr && error != nullptr) *error = failure->message;
  if (failure != nullptr) g_error_free(failure);
  return ok;
}

namespace {

void ChooserResponse(GtkDialog* dialog, gint response, gpointer data) {
  const auto* contentType = static_cast<const std::string*>(data);
  if (response == GTK_RESPONSE_OK) {
    if (GAppInfo* app = gtk_app_chooser_get_app_info(GTK_APP_CHOOSER(dialog))) {
      g_app_info_set_as_default_for_type(app, contentType->c_str(), nullptr);
      g_object_unref(app);
    }
  }
  gtk_widget_destroy(GTK_WIDGET(dialog));
}

void ForgetContentType(gpointer data, GClosure*) { delete static_cast<std::string*>(data); }

}  // namespace

void ShowApplicationChooser(const std::string& contentType, GtkWindow* parent) {
  GtkWidget* dialog =
      gtk_app_chooser_dialog_new_for_content_type(parent, GTK_DIALOG_DESTROY_WITH_PARENT, contentType.c_str());
  g_signal_connect_data(dialog, "response", G_CALLBACK(ChooserResponse), new std::string(contentType),
                        ForgetContentType, GConnectFlags(0));
  gtk_widget_show(dialog);
}

}  // namespace platform::gtk
