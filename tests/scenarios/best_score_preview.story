# The best score of GAME A previewed with the mouse: shown while GAME A is
# held, gone when the pointer slides off (the clock comes back at the next
# tick), back when it slides on, handed to GAME B on GAME B's zone. Let go off
# every zone, nothing starts; a click on GAME A starts the game.

setting Game A High Score=57
setting Game B High Score=120
clock 10:15:20
tick

press gameA at 290,28
expect lit:
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(0)=Number(5)
    MinuteDigit(1)=Number(7)
    Remainder0
    Remainder1
    Treasure
expect buttons:
    GameAButton

move cursor 160,180
tick
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(0)=Number(1)
    HourDigit(1)=Number(0)
    MinuteDigit(0)=Number(1)
    MinuteDigit(1)=Number(5)
    Remainder0
    Remainder1
    Treasure
    am
expect buttons:

move cursor 297,31
tick
expect lit:
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(0)
    MinuteDigit(0)=Number(5)
    MinuteDigit(1)=Number(7)
    Remainder0
    Remainder1
    Treasure
expect buttons:
    GameAButton

# One pixel below the zone is off it.
move cursor 297,32
tick
expect buttons:

move cursor 290,50
tick
expect lit:
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    GameType(1)
    HourDigit(1)=Number(1)
    MinuteDigit(0)=Number(2)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
expect buttons:
    GameBButton

move cursor 160,180
tick
release gameA
tick
expect lit:
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(0)=Number(1)
    HourDigit(1)=Number(0)
    MinuteDigit(0)=Number(1)
    MinuteDigit(1)=Number(5)
    Remainder0
    Remainder1
    Treasure
    am
expect buttons:

press gameA at 290,28
tick
release gameA at 290,28
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
expect settings:
