# GAME A started with the key 1; the diver walks to the treasure, grabs the
# gold (a point), walks back and unloads it on the boat (three points). The
# tentacles stay in: the random source hands out no start chance.

setting Game A High Score=5
clock 09:00:00
tick
expect lit:
    Colon
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(9)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    am

key down 1
expect lit:
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(5)
    Remainder0
    Remainder1
    Treasure
expect buttons:
    GameAButton

key up 1
expect lit:
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
expect buttons:

key right x5
expect lit:
    DiverStep(5)=Diver(16)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure

key right
tick
tick
expect lit:
    DiverStep(5)=Diver(30)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(1)
    Remainder0
    Remainder1
    Treasure

tick
key left x4
expect lit:
    DiverStep(1)=Diver(2)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(1)
    Remainder0
    Remainder1
    Treasure

key left
expect lit:
    DiverStep(0)=OnTheBoat(1)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(1)
    Remainder0
    Remainder1
    Treasure

key right
tick
expect lit:
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(2)
    Remainder0
    Remainder1
    Treasure

tick 3
expect lit:
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(1)=Number(4)
    Remainder0
    Remainder1
    Treasure
expect settings:
