#pragma once
// Event handlers as object-method pairs. A handler remembers which method ("code") it calls, so
// a component can tell whether a newly assigned handler is the same method as the one it holds
// and hand it on only to the objects that still use the old one.

#include <cstring>
#include <functional>
#include <string>
#include <typeinfo>
#include <utility>

template <typename Signature> class TWkMethod;

template <typename R, typename... Args> class TWkMethod<R(Args...)> {
public:
    TWkMethod() = default;
    TWkMethod(std::nullptr_t) {}

    // Calls method on object; handlers made from the same method share their code.
    template <typename Object, typename Class>
    TWkMethod(Object* object, R (Class::*method)(Args...))
        : call([object, method](Args... args) { return (object->*method)(args...); }),
          identity(MethodCode(method)) {}

    // A handler of its own: its code differs from that of every other handler.
    static TWkMethod FromCallable(std::function<R(Args...)> callable) {
        static unsigned long long next = 0;
        TWkMethod handler;
        handler.call = std::move(callable);
        handler.identity = "callable:" + std::to_string(++next);
        return handler;
    }

    explicit operator bool() const { return static_cast<bool>(call); }
    R operator()(Args... args) const { return call(args...); }

    // Same method, whatever object it is bound to; two empty handlers share their code too.
    bool SameCode(const TWkMethod& other) const { return identity == other.identity; }

private:
    template <typename Method> static std::string MethodCode(Method method) {
        std::string code = typeid(Method).name();
        code += ':';
        char bytes[sizeof(Method)];
        std::memcpy(bytes, &method, sizeof(Method));
        code.append(bytes, sizeof(Method));
        return code;
    }

    std::function<R(Args...)> call;
    std::string identity;
};

// The framework's plain notification: who sent it.
class QObject;
using TNotifyEvent = TWkMethod<void(QObject* sender)>;
