// Owning pointers for the GLib, GObject and Pango values this back end holds.
#pragma once

#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace kameng::gtk {

struct GObjectUnref {
    void operator()(gpointer object) const {
        if (object) g_object_unref(object);
    }
};
// Holds one reference of a GObject.
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Takes ownership of a floating or full reference.
template <class T>
GObjectPtr<T> adoptSunk(T* object) {
    if (object) g_object_ref_sink(object);
    return GObjectPtr<T>(object);
}

struct GFreeDeleter {
    void operator()(gpointer p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<char, GFreeDeleter>;

struct GErrorDeleter {
    void operator()(GError* e) const {
        if (e) g_error_free(e);
    }
};
using GErrorPtr = std::unique_ptr<GError, GErrorDeleter>;

struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* d) const {
        if (d) pango_font_description_free(d);
    }
};
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionDeleter>;

// A GLib source id that is removed when the holder goes away.
class SourceId {
public:
    SourceId() = default;
    explicit SourceId(guint id) : id_(id) {}
    ~SourceId() { reset(); }
    SourceId(SourceId&& other) noexcept : id_(other.release()) {}
    SourceId& operator=(SourceId&& other) noexcept {
        if (this != &other) {
            reset();
            id_ = other.release();
        }
        return *this;
    }
    SourceId(const SourceId&) = delete;
    SourceId& operator=(const SourceId&) = delete;

    explicit operator bool() const { return id_ != 0; }
    void reset() {
        if (id_) g_source_remove(id_);
        id_ = 0;
    }
    // For a source whose callback has just returned G_SOURCE_REMOVE.
    guint release() {
        guint id = id_;
        id_ = 0;
        return id;
    }

private:
    guint id_ = 0;
};

}  // namespace kameng::gtk
