// An event with one primary handler and any number of further handlers, all owned by the event.
// Firing calls the primary handler first, then the others from the last added to the first, synchronously on
// the calling thread. Handlers may add or remove handlers, the one running included, while the event fires.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

template <typename Arg> class BasicNotifyEvent {
public:
    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void invoke(Arg argument) = 0;
        // True when `descriptor` names the same subscription as this handler.
        virtual bool matches(const Handler& descriptor) const = 0;
    };

    // A member function of an object. Two of them match when object and member function are the same; the
    // member function must be named through the same class for that (both `&Derived::f` or both `&Base::f`).
    template <typename T> class HandlerImpl final : public Handler {
    public:
        using Method = void (T::*)(Arg);

        HandlerImpl(T* object, Method method) : m_object(object), m_method(method) {}

        void invoke(Arg argument) override { (m_object->*m_method)(static_cast<Arg>(argument)); }

        bool matches(const Handler& descriptor) const override {
            auto* other = dynamic_cast<const HandlerImpl*>(&descriptor);
            return other && other->m_object == m_object && other->m_method == m_method;
        }

    private:
        T* m_object;
        Method m_method;
    };

    // A stored callable; it matches nothing, so it leaves only with its event.
    template <typename F> class HandlerImplFunc final : public Handler {
    public:
        explicit HandlerImplFunc(F function) : m_function(std::move(function)) {}

        void invoke(Arg argument) override { m_function(static_cast<Arg>(argument)); }
        bool matches(const Handler&) const override { return false; }

    private:
        F m_function;
    };

    BasicNotifyEvent() = default;
    BasicNotifyEvent(const BasicNotifyEvent&) = delete;
    BasicNotifyEvent& operator=(const BasicNotifyEvent&) = delete;

    // Replaces (and deletes) the previous primary handler; null clears the slot.
    void setPrimaryHandler(std::unique_ptr<Handler> handler) {
        retire(std::exchange(m_primary, std::move(handler)));
    }

    template <typename T, typename C>
    requires std::derived_from<T, C>
    void setPrimaryHandler(T* object, void (C::*method)(Arg)) {
        setPrimaryHandler(std::make_unique<HandlerImpl<C>>(object, method));
    }

    template <typename F>
    requires std::invocable<F&, Arg>
    void setPrimaryHandler(F function) {
        setPrimaryHandler(std::make_unique<HandlerImplFunc<F>>(std::move(function)));
    }

    void addHandler(std::unique_ptr<Handler> handler) {
        if (handler) m_handlers.push_back(std::move(handler));
    }

    template <typename T, typename C>
    requires std::derived_from<T, C>
    void addHandler(T* object, void (C::*method)(Arg)) {
        addHandler(std::make_unique<HandlerImpl<C>>(object, method));
    }

    template <typename F>
    requires std::invocable<F&, Arg>
    void addHandler(F function) { addHandler(std::make_unique<HandlerImplFunc<F>>(std::move(function))); }

    // Deletes the first listed handler (in the order added) that matches `descriptor`; false when none does.
    // The primary handler is not searched: it is replaced through setPrimaryHandler.
    bool removeHandler(const Handler& descriptor) {
        for (std::size_t i = 0; i < m_handlers.size(); ++i) {
            if (m_handlers[i] && m_handlers[i]->matches(descriptor)) {
                if (m_firing == 0)
                    m_handlers.erase(m_handlers.begin() + static_cast<std::ptrdiff_t>(i));
                else
                    retire(std::move(m_handlers[i]));
                return true;
            }
        }
        return false;
    }

    template <typename T, typename C>
    requires std::derived_from<T, C>
    bool removeHandler(T* object, void (C::*method)(Arg)) {
        return removeHandler(HandlerImpl<C>(object, method));
    }

    // Handlers added while the event fires are first called by the next fire.
    void fire(Arg argument) {
        FiringScope scope(*this);
        if (m_primary) m_primary->invoke(static_cast<Arg>(argument));
        for (std::size_t i = m_handlers.size(); i-- > 0;) {
            if (m_handlers[i]) m_handlers[i]->invoke(static_cast<Arg>(argument));
        }
    }

    bool hasPrimaryHandler() const { return m_primary != nullptr; }

    // Number of listed handlers, the primary one not counted.
    std::size_t handlerCount() const {
        return static_cast<std::size_t>(std::count_if(
            m_handlers.begin(), m_handlers.end(), [](const auto& handler) { return handler != nullptr; }));
    }

private:
    // A handler removed while the event fires may be the one running: it is deleted when the outermost fire
    // has returned, and its place in the list stays empty until then so that the indices of the running
    // loop stay valid.
    struct FiringScope {
        explicit FiringScope(BasicNotifyEvent& event) : event(event) { ++event.m_firing; }
        ~FiringScope() {
            if (--event.m_firing == 0 && !event.m_retired.empty()) {
                event.m_retired.clear();
                std::erase(event.m_handlers, nullptr);
            }
        }
        BasicNotifyEvent& event;
    };

    void retire(std::unique_ptr<Handler> handler) {
        if (handler && m_firing > 0) m_retired.push_back(std::move(handler));
    }

    std::unique_ptr<Handler> m_primary;
    std::vector<std::unique_ptr<Handler>> m_handlers;
    std::vector<std::unique_ptr<Handler>> m_retired;
    int m_firing = 0;
};

// The general event of the program: the argument is usually the sender or a small record it points at.
using NotifyEvent = BasicNotifyEvent<void*>;
