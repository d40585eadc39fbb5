#pragma once

// A row whose texts follow the unit settings redisplays when they change.
class IOnConfigChanged
{
public:
    virtual ~IOnConfigChanged() = default;
    virtual void onConfigChanged() = 0;
};
