-- Level rules: each function takes the level number (1, 2, ...) and gives
-- that level's settings. Level 1 is gentle (three colours, four rows, a slow
-- press from above); by level 10 six colours, seven rows and an advance every
-- seven and a half seconds make a real challenge; later levels tighten
-- towards fixed limits, so every level number stays playable.
-- Only the base library is open here: no math.

local function floor(x)
    return x - x % 1
end

local function clamp(x, lo, hi)
    if x < lo then
        return lo
    end
    if x > hi then
        return hi
    end
    return x
end

-- A sane level number: whole, at least 1.
local function level_of(n)
    n = tonumber(n) or 1
    if n ~= n then -- not a number
        return 1
    end
    return floor(clamp(n, 1, 1000000))
end

-- factor ^ (level - 1), easing from 1 towards 0 as the levels go by.
local function ease(factor, level)
    local v = 1
    local steps = level - 1
    if steps > 200 then
        steps = 200
    end
    for _ = 1, steps do
        v = v * factor
    end
    return v
end

-- Rows of blocks at the start: 4 at first, one more every three levels, at
-- most 8 of the board's 14, which leaves six rows of room above the launcher.
function getBlockInitHeight(n)
    local level = level_of(n)
    return clamp(4 + floor((level - 1) / 3), 4, 8)
end

-- Colours in play: 3, then 4 from level 2, 5 from 4, 6 from 7, all 7 from 12.
function getBlockNum(n)
    local level = level_of(n)
    if level >= 12 then
        return 7
    elseif level >= 7 then
        return 6
    elseif level >= 4 then
        return 5
    elseif level >= 2 then
        return 4
    end
    return 3
end

-- New rows pushed in from the top before the ceiling comes down: two at
-- level 1, one more per level, at most 24.
function getNeedRemove(n)
    local level = level_of(n)
    return clamp(level + 1, 2, 24)
end

-- Seconds between two advances of the board: 15 at level 1, 7.5 at level 10,
-- never below 4.
function getFallTime(n)
    local level = level_of(n)
    return 4 + 11 * ease(0.88, level)
end

-- Props on the board at one time: 2 at first, one more every three levels,
-- at most 6.
function getMaxProps(n)
    local level = level_of(n)
    return clamp(2 + floor((level - 1) / 3), 2, 6)
end

-- Seconds between two prop placements: 12 at first, towards 6.
function getPutPropsTime(n)
    local level = level_of(n)
    return 6 + 6 * ease(0.9, level)
end

-- Launch speeds in pixels per second; at 30 frames per second even the fast
-- shot moves less than a block's width per frame.
ShootSpeed = 600
ShootSpeedSlow = 340
ShootSpeedFast = 900
-- Seconds a slow or fast prop lasts.
ShootSpeedTime = 10
