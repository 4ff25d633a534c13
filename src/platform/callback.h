#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace kirvano {

template<typename Signature>
class Callback;

// The one handler of an event: the receiver sets it by calling the
// callback with the handler (`timer.onTick([this] { ... })`), the sender
// raises the event with fire(). Without a handler, fire() does nothing and
// gives `unset`. A callback can also be made from its handler at once.
template<typename R, typename... Args>
class Callback<R(Args...)>
{
    struct Nothing
    {
    };
    using Unset = std::conditional_t<std::is_void_v<R>, Nothing, R>;

public:
    Callback() = default;
    explicit Callback(Unset unset) : m_unset(std::move(unset)) {}
    template<typename Handler>
    requires std::is_invocable_r_v<R, Handler, Args...> Callback(Handler handler) : m_handler(std::move(handler)) {}

    void operator()(std::function<R(Args...)> handler) { m_handler = std::move(handler); }

    explicit operator bool() const { return bool(m_handler); }

    R fire(Args... args) const
    {
        if (m_handler)
            return m_handler(std::forward<Args>(args)...);
        if constexpr (!std::is_void_v<R>)
            return m_unset;
    }

private:
    std::function<R(Args...)> m_handler;
    [[no_unique_address]] Unset m_unset{};
};

} // namespace kirvano
