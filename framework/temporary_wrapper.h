#pragma once

#include <map>
#include <memory>
#include <new>

// The wrapper object that stands for a handle the program did not wrap itself: made on the first
// request and kept in the map until the map's owner lets go of it; null when memory runs out.
// `bind` gives the new wrapper its handle without taking ownership of it.
template <class Wrapper, class Handle, class Bind>
Wrapper* FindOrMakeTemporary(std::map<Handle, std::unique_ptr<Wrapper>>& wrappers, Handle handle, Bind bind)
{
    auto found = wrappers.find(handle);
    if (found != wrappers.end())
        return found->second.get();
    std::unique_ptr<Wrapper> pWrapper(new (std::nothrow) Wrapper);
    if (!pWrapper)
        return nullptr;
    bind(*pWrapper, handle);
    Wrapper* pResult = pWrapper.get();
    wrappers.emplace(handle, std::move(pWrapper));
    return pResult;
}
