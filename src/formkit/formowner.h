// Owns the program's windows from their creation to the end of the process,
// as the application object does on the desktop the game was made for.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace formkit {

// A window with a creation handler derives from this and overrides it, so
// that the compiler holds the name: a renamed handler no longer overrides
// and the window no longer compiles.
class CreationHandler {
public:
    virtual void FormCreate(QObject *Sender) = 0;

protected:
    ~CreationHandler() = default;
};

class FormOwner {
public:
    FormOwner() = default;
    FormOwner(const FormOwner &) = delete;
    FormOwner &operator=(const FormOwner &) = delete;
    ~FormOwner() { destroyAll(); }

    // Creates a window of class Form into reference. The reference is set
    // before the window's creation handler, if it has one, runs. The window
    // is not shown.
    template <typename Form>
    void createForm(Form *&reference)
    {
        auto form = std::make_unique<Form>();
        reference = form.get();
        m_forms.push_back({std::move(form), [&reference] { reference = nullptr; }});
        if constexpr (std::is_base_of_v<CreationHandler, Form>)
            static_cast<CreationHandler &>(*reference).FormCreate(reference);
    }

    // Destroys the windows, the last created first, and clears their references.
    void destroyAll()
    {
        while (!m_forms.empty()) {
            m_forms.back().clearReference();
            m_forms.pop_back();
        }
    }

private:
    struct OwnedForm {
        std::unique_ptr<QWidget> form;
        std::function<void()> clearReference;
    };
    std::vector<OwnedForm> m_forms;
};

} // namespace formkit
