#include "play_dump.h"

#include "app/app.h"
#include "commands.h"
#include "json_writer.h"

void DumpGameState(const ReplayContext& context, JsonWriter& json) {
    json.Int(context.app.game.gameState);
}

void DumpBannerKind(const ReplayContext& context, JsonWriter& json) {
    json.Int(context.app.game.bannerKind);
}

void DumpShooter(const ReplayContext& context, JsonWriter& json) {
    const Shooter& shooter = context.app.game.shooter;
    json.BeginObject();
    json.Key("angle");
    json.Float(shooter.angle);
    json.Key("aimLimit");
    json.Float(shooter.aimLimit);
    json.Key("shotTimer");
    json.Float(shooter.shotTimer);
    json.Key("current");
    json.Int(shooter.current);
    json.Key("next");
    json.Int(shooter.next);
    json.Key("spaceHeld");
    json.Bool(shooter.spaceHeld);
    json.EndObject();
}

void DumpFlying(const ReplayContext& context, JsonWriter& json) {
    const FlyingBlock& flying = context.app.game.flying;
    if (!flying.inFlight) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("x");
    json.Float(flying.x);
    json.Key("y");
    json.Float(flying.y);
    json.Key("vx");
    json.Float(flying.vx);
    json.Key("vy");
    json.Float(flying.vy);
    json.Key("colour");
    json.Int(flying.colour);
    json.Key("speed");
    json.Float(flying.speed);
    json.EndObject();
}

void DumpProps(const ReplayContext& context, JsonWriter& json) {
    const PropState& props = context.app.game.props;
    json.BeginObject();
    json.Key("speedMode");
    json.Int(props.speedMode);
    json.Key("speedTimer");
    json.Float(props.speedTimer);
    json.Key("aimLineOn");
    json.Bool(props.aimLineOn);
    json.Key("aimLineTimer");
    json.Float(props.aimLineTimer);
    json.Key("bombShots");
    json.Int(props.bombShots);
    json.Key("infectionShots");
    json.Int(props.infectionShots);
    json.Key("starColours");
    json.BeginArray();
    for (bool flagged : props.starColours) {
        json.Bool(flagged);
    }
    json.EndArray();
    json.Key("propsOnBoard");
    json.Int(props.propsOnBoard);
    json.Key("propTimer");
    json.Float(props.propTimer);
    json.EndObject();
}
