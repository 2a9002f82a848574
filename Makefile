# Cardoria: `make run` builds and starts the game, `make test` builds and
# passes every test. Both install what is missing first.

ifeq ($(CI),true)
BUILD_DIR ?= build-ci
CMAKE_OPTIONS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARDORIA_WERROR=ON -DCARDORIA_SANITIZE=ON
else
BUILD_DIR ?= build
CMAKE_OPTIONS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

SOURCES = $(shell find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')

.PHONY: all deps configure build run demos test bench fuzz fuzz-files format format-check clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_OPTIONS)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR)

# The demo files are recorded from solver wins once; `make demos` records
# them again.
demos: build
	cmake --build $(BUILD_DIR) --target demos

# Without a display the window opens on a virtual one.
run: build
	@[ -d $(BUILD_DIR)/Demos ] || cmake --build $(BUILD_DIR) --target demos
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/cardoria; \
	else \
	  echo "No display: starting Cardoria on a virtual X display (xvfb-run)."; \
	  xvfb-run -a $(BUILD_DIR)/cardoria; \
	fi

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# Random play on every game; FUZZ_ACTIONS mouse actions per deal.
FUZZ_ACTIONS ?= 20000
# Damaged copies of the statistics files tried by every reader and writer.
FUZZ_FILE_ROUNDS ?= 3000
fuzz: build
	CARDORIA_FUZZ_ACTIONS=$(FUZZ_ACTIONS) $(BUILD_DIR)/engine_tests --gtest_filter='RandomPlay.*'
	CARDORIA_FUZZ_FILE_ROUNDS=$(FUZZ_FILE_ROUNDS) $(BUILD_DIR)/persist_tests --gtest_filter='DamagedFiles*'

# libFuzzer on each file reader, FUZZ_SECONDS per target, in a clang build of
# its own (FUZZ_DIR); FUZZ_TARGETS picks some of them.
FUZZ_SECONDS ?= 300
FUZZ_DIR ?= build-fuzz
FUZZ_TARGETS ?=
fuzz-files: deps configure
	cmake --build $(BUILD_DIR) --target installation_data
	scripts/fuzz-files.sh $(FUZZ_DIR) $(BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	$(BUILD_DIR)/cardoria_bench
	$(BUILD_DIR)/engine_bench
	$(BUILD_DIR)/table_bench
	$(BUILD_DIR)/stats_bench
	$(BUILD_DIR)/open_game_bench

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf build build-ci build-fuzz
